// The semi-structure form "Ksq001.190", read into an application for a structure under Article
// 88 paragraph 2 (confirmation or plan change alike).
#pragma once

class ZnModelAppSemiStr;
class ZnOldFormReader;

class ZnOldSemiStrForm {
public:
    // Reads the records of the reader's open form into app.
    static void Read(ZnOldFormReader& reader, ZnModelAppSemiStr& app);
};
