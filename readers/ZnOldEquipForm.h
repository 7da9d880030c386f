// The equipment form "Ksq001.170", read into an equipment application (confirmation or plan
// change alike).
#pragma once

class ZnModelAppEquip;
class ZnOldFormReader;

class ZnOldEquipForm {
public:
    // Reads the records of the reader's open form into app.
    static void Read(ZnOldFormReader& reader, ZnModelAppEquip& app);
};
