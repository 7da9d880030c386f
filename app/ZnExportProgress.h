// What the migration export tells while it runs, so that a window can show how far it has come.
// The export calls these at most a few times per property, so that showing them costs next to
// nothing.
#pragma once

#include "platform/core/CString.h"

class ZnExportProgress {
public:
    virtual ~ZnExportProgress() = default;

    // The export works on the data of word (共通データ, 物件データ) as a whole: from its start, and
    // for the property data again while it packs its folder after the last property.
    virtual void WorkingOn(const CString& word) = 0;
    // The property export begins the property number (from 1) of total in the register.
    virtual void PropertyStarted(int number, int total) = 0;
};
