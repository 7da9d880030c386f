// What an input check of a floppy-output page reads: the active document's first three model
// slots, as the page loaded them, and the selected document type and mode. A check is a function
// from this to the ordered list of its findings; it needs no window.
#pragma once

#include "model/ZnModel.h"

#include <memory>

struct ZnFDOutCheckInput {
    const ZnModel* app = nullptr;     // the first slot, the application root
    const ZnModel* form = nullptr;    // the second slot, the family's form object
    const ZnModel* subForm = nullptr; // the third slot, the document type's object
    int docType = 0;                  // 1000, 1002, 1005 or 1008
    int docMode = 32786;              // 32786 applications, 32787 notifications
};

// A slot's object as the class that a check expects. A slot without an object of that class (after
// a load that failed) is taken as an empty object of it, which the view owns.
template <class Model> class ZnSlotView {
public:
    explicit ZnSlotView(const ZnModel* model) : m_model(dynamic_cast<const Model*>(model))
    {
        if (!m_model) {
            m_empty = std::make_unique<Model>();
            m_model = m_empty.get();
        }
    }
    const Model& operator*() const { return *m_model; }
    const Model* operator->() const { return m_model; }

private:
    const Model* m_model;
    std::unique_ptr<Model> m_empty;
};
