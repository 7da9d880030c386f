// A model object that its holder owns through a pointer, such as the application an inspection
// rests on. Copying the holder copies the object through its Clone (null stays null), assigning
// replaces it by such a copy, and destroying the holder deletes it, so a holder made of such
// members needs no hand-written copy, assignment or destructor.
#pragma once

#include "model/ZnModel.h"

template <typename T> class ZnModelOwnedPtr {
public:
    ZnModelOwnedPtr() = default;
    ZnModelOwnedPtr(const ZnModelOwnedPtr& other) : m_object(CloneOf(other.m_object)) {}
    ZnModelOwnedPtr& operator=(const ZnModelOwnedPtr& other)
    {
        if (this != &other)
            Reset(CloneOf(other.m_object));
        return *this;
    }
    ~ZnModelOwnedPtr() { delete m_object; }

    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    // Takes ownership of object (which may be null) and deletes the object held before.
    void Reset(T* object = nullptr)
    {
        if (object == m_object)
            return;
        delete m_object;
        m_object = object;
    }

private:
    static T* CloneOf(const T* object) { return object ? static_cast<T*>(object->Clone()) : nullptr; }

    T* m_object = nullptr;
};
