#pragma once

// The keying weight chosen with the three "AjdustCW" option buttons: how a dot or dash and the
// space after it share their fixed total length.
enum class CwWeight {
    OpB50, // "1": marks and spaces of equal units
    OpB62, // "0.8": heavier marks
    Opb75, // "0.9": heaviest marks
};
