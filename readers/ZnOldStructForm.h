// The structure form "Ksq001.180", read into an application for a structure under Article 88
// paragraph 1 (confirmation or plan change alike).
#pragma once

class ZnModelAppStruct;
class ZnOldFormReader;

class ZnOldStructForm {
public:
    // Reads the records of the reader's open form into app. Its structure items set the
    // reader's building number to their number, the last one in the file winning.
    static void Read(ZnOldFormReader& reader, ZnModelAppStruct& app);
};
