// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "faces.h"

#include "pixelart.h"

namespace makepictures {
namespace {

// 16 x 15: half a sun on the horizon under an arrow; the sunset sun is redder.
QImage sunrise() {
    return fromArt({
        ".......nn.......",
        "......nnnn......",
        ".....nnnnnn.....",
        "....nnnnnnnn....",
        ".......nn.......",
        ".......nn.......",
        "..o..........o..",
        "...o..OOOO..o...",
        "....OOyyyyOO....",
        "...OyyYYyyyyO...",
        "oo.OyYyyyyyyO.oo",
        "..OyyyyyyyyyyO..",
        "uuuuuuuuuuuuuuuu",
        "................",
        "...oooo..oooo...",
    });
}

QImage sunset() {
    return fromArt({
        ".......nn.......",
        ".......nn.......",
        "....nnnnnnnn....",
        ".....nnnnnn.....",
        "......nnnn......",
        ".......nn.......",
        "..r..........r..",
        "...r..RRRR..r...",
        "....RRooooRR....",
        "...RooyyooooR...",
        "rr.RoyooooooR.rr",
        "..RooooooooooR..",
        "uuuuuuuuuuuuuuuu",
        "................",
        "...rrrr..rrrr...",
    });
}

// 7 x 13: the previous-year arrow; the next-year arrow is its mirror image.
QImage leftArrow() {
    return fromArt({
        "......n",
        ".....nn",
        "....nBn",
        "...nBbn",
        "..nBbbn",
        ".nBbbbn",
        "nBbbbbn",
        ".nbbbbn",
        "..nbbbn",
        "...nbbn",
        "....nbn",
        ".....nn",
        "......n",
    });
}

// 26 x 13: a small grid of months beside the year's large one.
QImage compact() {
    return fromArt({
        ".........nnnnnnnnnnnnnnnnn",
        ".........nbbbnbbbnbbbnbbbn",
        ".........nwwwnwwwnwwwnwwwn",
        "nnnnnnn..nwwwnwwwnwwwnwwwn",
        "nbbnbbn..nnnnnnnnnnnnnnnnn",
        "nwwnwwn..nbbbnbbbnbbbnbbbn",
        "nnnnnnn..nwwwnwwwnwwwnwwwn",
        "nbbnbbn..nwwwnwwwnwwwnwwwn",
        "nwwnwwn..nnnnnnnnnnnnnnnnn",
        "nnnnnnn..nbbbnbbbnbbbnbbbn",
        ".........nwwwnwwwnwwwnwwwn",
        ".........nwwwnwwwnwwwnwwwn",
        ".........nnnnnnnnnnnnnnnnn",
    });
}

// 13 x 13: the letters Yr over a small grid of months.
QImage yearEntry() {
    Art rows;
    for (const std::string& row : lettering("Yr", 'r')) {
        rows.push_back("." + row + "..");
    }
    for (const char* row : {".............",  //
                            "nnnnnnnnnnnnn",  //
                            "nbbnbbnbbnbbn",  //
                            "nwwnwwnwwnwwn",  //
                            "nnnnnnnnnnnnn",  //
                            "nbbnbbnbbnbbn",  //
                            "nwwnwwnwwnwwn",  //
                            "nnnnnnnnnnnnn"}) {
        rows.push_back(row);
    }
    return fromArt(rows);
}

// 14 x 14: rows of one, two and three month boxes, the compact window's widths.
QImage width() {
    return fromArt({
        ".....nnnn.....",
        ".....nbbn.....",
        ".....nwwn.....",
        ".....nnnn.....",
        "..............",
        "..nnnn..nnnn..",
        "..nbbn..nbbn..",
        "..nwwn..nwwn..",
        "..nnnn..nnnn..",
        "..............",
        "nnnn.nnnn.nnnn",
        "nbbn.nbbn.nbbn",
        "nwwn.nwwn.nwwn",
        "nnnn.nnnn.nnnn",
    });
}

// 12 x 12: the close button's cross.
QImage close() {
    return fromArt({
        ".RR......RR.",
        "RrrR....RrrR",
        "RrrrR..RrrrR",
        ".RrrrRRrrrR.",
        "..RrrrrrrR..",
        "...RrrrrR...",
        "...RrrrrR...",
        "..RrrrrrrR..",
        ".RrrrRRrrrR.",
        "RrrrR..RrrrR",
        "RrrR....RrrR",
        ".RR......RR.",
    });
}

// 15 x 11: two double-headed arrows, for the week numbers.
QImage weekNumbers() {
    return fromArt({
        "..n.........n..",
        ".nn.........nn.",
        "nnnnnnnnnnnnnnn",
        ".nn.........nn.",
        "..n.........n..",
        "...............",
        "..b.........b..",
        ".bb.........bb.",
        "bbbbbbbbbbbbbbb",
        ".bb.........bb.",
        "..b.........b..",
    });
}

// 15 x 15: an open-ended wrench, for the Parameters dialog.
QImage parameters() {
    return fromArt({
        ".........SSS...",
        "........ShsS...",
        ".......ShsS....",
        ".......ShS...SS",
        ".......ShsS.ShS",
        ".......ShssSssS",
        "......ShsssssS.",
        ".....ShssSSSS..",
        "....ShssS......",
        "...ShssS.......",
        "..ShssS........",
        ".ShssS.........",
        ".ShsS..........",
        ".SSS...........",
        "...............",
    });
}

// 13 x 13: an arrow pointing down into a dotted frame, for always on top.
QImage onTop() {
    return fromArt({
        "g.g.g.g.g.g.g",
        ".............",
        "g....nnn....g",
        ".....nbn.....",
        "g....nbn....g",
        ".....nbn.....",
        "g.nnnnbnnnn.g",
        "...nbbbbbn...",
        "g...nbbbn...g",
        ".....nbn.....",
        "g.....n.....g",
        ".............",
        "g.g.g.g.g.g.g",
    });
}

// 20 x 11: the word Tray over a row of tray icons.
QImage tray() {
    Art rows = lettering("Tray", 'n');
    for (const char* row : {"....................",  //
                            "RRRR.EEEE.NNNN.OOOO.",  //
                            "RrrR.EeeE.NbbN.OyyO.",  //
                            "RrrR.EeeE.NbbN.OyyO.",  //
                            "RRRR.EEEE.NNNN.OOOO."}) {
        rows.push_back(row);
    }
    return fromArt(rows);
}

}  // namespace

std::vector<Face> faces() {
    return {
        {QStringLiteral("sunrise"), sunrise()},
        {QStringLiteral("sunset"), sunset()},
        {QStringLiteral("left"), leftArrow()},
        {QStringLiteral("right"), mirrored(leftArrow())},
        {QStringLiteral("compact"), compact()},
        {QStringLiteral("yearentry"), yearEntry()},
        {QStringLiteral("width"), width()},
        {QStringLiteral("close"), close()},
        {QStringLiteral("weeknumbers"), weekNumbers()},
        {QStringLiteral("parameters"), parameters()},
        {QStringLiteral("ontop"), onTop()},
        {QStringLiteral("tray"), tray()},
    };
}

}  // namespace makepictures
