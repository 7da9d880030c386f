// The lift form "Ksq001.160", read into a lift application (of a building or of a structure,
// confirmation or plan change alike).
#pragma once

class ZnModelAppLift;
class ZnOldFormReader;

class ZnOldLiftForm {
public:
    // Reads the records of the reader's open form into app. Its lift items set the reader's
    // building number to their number, the last one in the file winning.
    static void Read(ZnOldFormReader& reader, ZnModelAppLift& app);
};
