#pragma once

// The keying weight chosen with the three "AjdustCW" option buttons: how a dot or dash and the
// space after it share their fixed total length.
enum class CwWeight {
    Even,    // "1": marks and spaces of equal units
    Heavy,   // "0.8": heavier marks
    Heavier, // "0.9": heaviest marks
};
