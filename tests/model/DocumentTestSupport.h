// Helpers of the model tests of the document classes: an inspection application whose stored
// form is only its embedded application, several objects stored one after another, and the check
// of a document against its fixture.
#pragma once

#include "model/ZnModelAppInspConf.h"
#include "tests/model/ModelTestSupport.h"

namespace modeltest {

// An inspection application that stores only its embedded application, as an inspection kind
// writes it at its place in its layout.
class BaseAppProbe : public ZnModelAppInspConf {
public:
    using ZnModelAppInspConf::SerializeBaseApp;
    void Serialize(CArchive& ar) override { SerializeBaseApp(ar); }
};

// N objects of class T stored one after another in one archive, as the objects of a document
// file are.
template <typename T, int N> class ObjectSequence : public ZnModel {
public:
    void Serialize(CArchive& ar) override
    {
        for (T& object : m_objects)
            object.Serialize(ar);
    }

    T m_objects[N];
};

// Checks that sample stores exactly the bytes of the named fixture, and that the fixture loaded
// into target (which may hold other values) stores the same bytes again.
inline void ExpectStoredAndLoaded(ZnModel& sample, ZnModel& target, const std::string& fixture)
{
    std::string bytes = Fixture(fixture);
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(Store(sample))) << fixture;
    Load(target, bytes);
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(Store(target))) << fixture << " loaded";
}

} // namespace modeltest
