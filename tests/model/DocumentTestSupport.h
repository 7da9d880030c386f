// Helpers of the model tests of the document classes: an inspection application whose stored
// form is only its embedded application, the sample inspection layer, an application that reports
// its destruction, and several objects stored one after another.
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

// A certificate with an empty date unless an era-coded date is given.
inline ZnModelNum MakeNum(LPCTSTR number, LPCTSTR date = nullptr, LPCTSTR issuer = "")
{
    ZnModelNum num;
    num.SetNumber(number);
    num.m_date.SetDateString(date); // null changes nothing
    num.SetFurtherText(issuer);
    return num;
}

// Fills the inspection layer with the values of insp_conf.hex (also the layer of the interim and
// completion fixtures): the designer "D1", the adviser "E" (registration "R"), the constructor "K",
// the building "Bldg" on the lot "Lot", category "2", the certificate "C-1", the end date, a minor
// change, texts, the kinds 新築 and 大規模の修繕, 120.75 m², a further designer "D2", certificate
// "C-2" and minor change "K2".
inline void FillSampleInspection(ZnModelAppInspConf& insp)
{
    insp.m_designer = MakeDesigner("D1");
    insp.m_equipAdviser.m_name.m_name = "E";
    insp.m_equipAdviser.SetRegistrationNumber("R");
    insp.m_constructor.SetText("K");
    insp.m_buildingName.m_name = "Bldg";
    insp.m_siteLot.m_address = "Lot";
    insp.m_buildType.SetCode("2");
    insp.m_confCert = MakeNum("C-1", "02310630", "Iss");
    insp.m_endDate.SetDateString("02320131");
    insp.m_rightMod.m_docKind = "K";
    insp.m_rightMod.m_summary = "S";
    insp.m_text1 = "t1";
    insp.m_remarks2 = "r2";
    insp.SetConstKind("01601");
    insp.SetConstKind("01606");
    insp.m_inspArea = 120.75;
    insp.m_remarks3 = "r3";
    ZnModelDesignerList designers;
    designers.AddCopy(MakeDesigner("D2"));
    insp.SetDesignerList(designers);
    ZnModelNumList certificates;
    certificates.AddCopy(MakeNum("C-2"));
    insp.SetConfNumList(certificates);
    ZnModelAppRightModList changes;
    changes.AddCopy(ZnModelAppRightMod());
    changes.GetHead()->m_docKind = "K2";
    insp.SetRightModList(changes);
}

// An application that reports its destruction.
class TrackedApp : public ZnModelApp {
public:
    explicit TrackedApp(bool& destroyed) : m_destroyed(destroyed) {}
    ~TrackedApp() override { m_destroyed = true; }
    bool& m_destroyed;
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

} // namespace modeltest
