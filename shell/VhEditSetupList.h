// The edit-field descriptors of a dialog, which the list owns and deletes with itself.
#pragma once

#include "platform/files/CObList.h"

#include "shell/VhEditSetup.h"

class VhEditSetupList : public CObList {
public:
    VhEditSetupList() : CObList(10) {}
    ~VhEditSetupList() override;
    VhEditSetupList(const VhEditSetupList&) = delete;
    VhEditSetupList& operator=(const VhEditSetupList&) = delete;

    // Takes ownership of the descriptor.
    void Add(VhEditSetup* setup) { AddTail(setup); }
    // Hands every descriptor, in list order, to the implementation object of its control: a
    // range (type 1, when either bound is at least 0) or a value (type 2, when at least 0) to a
    // numeric one, then the mask, the input-method open mode and the maximum length to any.
    void Apply();
};
