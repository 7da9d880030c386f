// The input check of the construction notice (建築工事届) in the second slot: its planned works
// period, the main usage of face 2, the three codes of each building entry and, when the notice
// has its demolition part, the main usage of face 4.
#pragma once

#include "fdoutput/ZnCheckFindings.h"
#include "fdoutput/ZnFDOutCheckInput.h"
#include "model/ZnModelAppStrNotif.h"

#include <vector>

class ZnModelAppConstNotif;

class ZnConstNotifInputCheck {
public:
    static std::vector<CString> Run(const ZnFDOutCheckInput& input);

    // The codes of each building entry, in list order, skipping empty positions; an entry is named
    // by its own number, not by its position.
    static void AddBuildingFindings(ZnCheckFindings& findings, const ZnModelAppStrNotifList& buildings);
    // The three codes of one building entry.
    static void AddBuildingFindings(ZnCheckFindings& findings, const ZnModelAppStrNotif& building);
    // The main usage of face 4, when the notice has its demolition part.
    static void AddDemolitionFindings(ZnCheckFindings& findings, const ZnModelAppConstNotif& notice);
};
