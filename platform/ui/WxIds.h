// Control ids crossing between the program and wx. wx keeps 4999 to 5999 for its own ids
// (wxID_OK is 5100, wxID_CANCEL 5101) and gives those ids behaviour of its own, so the
// system's ids from 4999 up move 1001 higher, past that range; the ids below stay as they are.
// The static id (-1, or 0xFFFF as a dialog template stores it) becomes wxID_ANY.
#pragma once

class WxIds {
public:
    static int ToWx(int systemId);
    // The system's id of a wx id: -1 for an id that wx made up (wxID_ANY gives one below zero).
    static int FromWx(int wxId);
};
