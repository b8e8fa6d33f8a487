// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
// The shared precompiled header needs a target of its own; it compiles nothing else.
