#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Makes the certificates of the subscription tests' HTTPS server on 127.0.0.1: one that the
# tests trust and a stranger with the same names that they do not. Made at build time, so no
# private key is kept in the repository and none expires in it.
# Usage: make-test-certs.sh OUTPUT_DIR
set -euo pipefail
out=$1
mkdir -p "$out"
for name in trusted stranger; do
    openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -sha256 \
        -subj "/CN=127.0.0.1/O=Solvane test $name" \
        -addext "subjectAltName=IP:127.0.0.1,DNS:localhost" \
        -keyout "$out/$name.key" -out "$out/$name.pem" 2>/dev/null
done
