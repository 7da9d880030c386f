// The persons that the lift, equipment, structure and semi-structure applications all begin
// with: the first designer (設計者) and the further designers, the first constructor
// (工事施工者) and the further constructors. It has no class record of its own: each family's
// class record names ZnModelApp as its base, and each family stores these fields at its own
// places in its Serialize.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelConstructor.h"

class ZnModelAppPersons : public ZnModelApp {
public:
    // Each list setter replaces the list by copies of the given list's elements.
    void SetDesignerList(const ZnModelDesignerList& designers) { m_designerList = designers; }
    void SetConstructorList(const ZnModelConstructorList& constructors) { m_constructorList = constructors; }

    // The first designer of the application (the agent keeps ZnModelApp's accessor).
    const ZnModelDesigner& GetDesigner() const { return m_designer; }
    const ZnModelDesignerList& GetDesignerList() const { return m_designerList; }
    const ZnModelConstructor& GetConstructor() const { return m_constructor; }
    const ZnModelConstructorList& GetConstructorList() const { return m_constructorList; }

    ZnModelDesigner m_designer;
    ZnModelDesignerList m_designerList;
    ZnModelConstructor m_constructor;
    ZnModelConstructorList m_constructorList;

protected:
    ZnModelAppPersons() = default;
};
