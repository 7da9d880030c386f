// A listing of an inspection document as the form readers fill it, one line per member or per
// part record (the key, a tab, its fields joined by "|"), in UTF-8, to compare whole with a
// listing worked out by hand.
#pragma once

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "platform/core/Cp932.h"

#include <sstream>
#include <string>

namespace readertest {

class InspListing {
public:
    explicit InspListing(const ZnModelAppInspConf& app) { Document(app); }
    std::string Text() const { return m_out.str(); }

private:
    static std::string U(const CString& text) { return cp932::ToUtf8(text.Bytes()); }
    static std::string Date(const ZnModelDate& date)
    {
        return U(date.m_yearCode.m_code) + ":" + std::to_string(date.m_yearCode.m_year) + "-" +
               std::to_string(date.m_month) + "-" + std::to_string(date.m_day);
    }
    static std::string Num(const ZnModelNum& num)
    {
        return U(num.m_number) + "|" + Date(num.m_date) + "|" + U(num.m_furtherText);
    }
    static std::string Contact(const JkModelIndividualData& c)
    {
        const JkModelAddress& a = c.m_address;
        const JkModelTelNumber& t = c.m_telephone;
        return U(c.m_name.m_nameReading) + "|" + U(c.m_name.m_name) + "|" + U(a.m_postalCode1) + "|" +
               U(a.m_postalCode2) + "|" + U(a.m_address) + "|" + U(t.m_firstPart) + "|" + U(t.m_secondPart) + "|" +
               U(t.m_thirdPart);
    }
    static std::string Name(const JkModelName& n) { return U(n.m_nameReading) + "|" + U(n.m_name); }

    void Line(const std::string& key, const std::string& value) { m_out << key << "\t" << value << "\n"; }

    void Designer(const std::string& key, const ZnModelDesigner& d)
    {
        Line(key, U(d.m_qualificationClass.GetCode()) + "|" + U(d.m_qualificationAuthority.GetCode()) + "|" +
                      U(d.m_qualificationRegistrationNumber) + "|" + Name(d.m_architectName) + "|" +
                      U(d.m_officeClass.GetCode()) + "|" + U(d.m_officeAuthority.GetCode()) + "|" +
                      U(d.m_officeRegistrationNumber));
        Line(key + ".office", Contact(d.m_office));
    }
    void Adviser(const std::string& key, const ZnModelEquipDesigner& a)
    {
        Line(key, Name(a.m_name));
        Line(key + ".workplace", Contact(a.m_individualData));
    }
    void Constructor(const std::string& key, const ZnModelConstructor& c)
    {
        Line(key, Name(c.m_name) + "|" + U(c.m_licenceIssuer.GetCode()) + "|" + U(c.m_registrationNumber));
        Line(key + ".office", Contact(c.m_individualData));
    }
    void PastInsp(const std::string& key, const ZnModelPastInspDate& p)
    {
        Line(key, std::to_string(p.m_count) + "|" + U(p.m_stageName) + "|" + Num(p.m_certificate));
    }
    void InspDate(const std::string& key, const ZnModelInspDate& i)
    {
        Line(key, std::to_string(i.m_count) + "|" + U(i.m_name) + "|" + Date(i.m_date));
    }
    void RightMod(const std::string& key, const ZnModelAppRightMod& r)
    {
        Line(key, U(r.m_docKind) + "|" + U(r.m_summary));
    }

    template <typename E, typename Print> void List(const std::string& key, const ZnModelList<E>& list, Print print)
    {
        Line(key + ".count", std::to_string(list.GetCount()));
        int i = 0;
        for (POSITION pos = list.GetHeadPosition(); pos; ++i)
            print(key + "[" + std::to_string(i) + "]", *list.GetNext(pos));
    }

    void Header(const ZnModelAppHeader& h)
    {
        Line("header", std::to_string(h.m_headerNumber) + "|" + U(h.m_localData.m_documentKind.GetCode()));
        List("header.groups", h.m_localData.m_buildingNumGroups,
             [this](const std::string& key, const ZnModelNumGroup& g) {
                 Line(key, std::to_string(g.m_itemNumber) + "|" + Num(g.m_firstNumber) + "|" + Num(g.m_secondNumber));
             });
    }

    void Document(const ZnModelAppInspConf& app)
    {
        Header(app.m_header);
        Line("applicant", Name(app.m_applicantName));
        Line("owner", Contact(app.m_firstOwner.m_person));
        List("owners", app.m_furtherOwners,
             [this](const std::string& key, const ZnModelOwner& o) { Line(key, Contact(o.m_person)); });
        Designer("agent", app.m_agent);
        Designer("designer", app.m_designer);
        List("designers", app.m_designerList,
             [this](const std::string& k, const ZnModelDesigner& d) { Designer(k, d); });
        Adviser("adviser", app.m_equipAdviser);
        List("advisers", app.m_equipAdviserList,
             [this](const std::string& k, const ZnModelEquipDesigner& a) { Adviser(k, a); });
        Designer("supervisor", app.m_supervisor);
        List("supervisors", app.m_supervisorList,
             [this](const std::string& k, const ZnModelDesigner& d) { Designer(k, d); });
        Constructor("constructor", app.m_constructor);
        List("constructors", app.m_constructorList,
             [this](const std::string& k, const ZnModelConstructor& c) { Constructor(k, c); });
        Line("note", U(app.m_remarks2));
        Line("name", Name(app.m_buildingName));
        Line("lot", U(app.m_siteLot.m_address) + "|" + U(app.m_siteLot.m_postalCode1));
        Line("display", U(app.m_siteDisplay.m_address) + "|" + U(app.m_siteDisplay.m_postalCode1));
        Line("class", U(app.m_buildType.GetCode()));
        Line("kinds", std::to_string(app.m_kindNew) + std::to_string(app.m_kindExtension) +
                          std::to_string(app.m_kindRebuild) + std::to_string(app.m_kindRelocation) +
                          std::to_string(app.m_kindRepair) + std::to_string(app.m_kindRemodel) +
                          std::to_string(app.m_kindEquipment));
        Line("certificate", Num(app.m_confCert));
        List("certificates", app.m_confCertList,
             [this](const std::string& k, const ZnModelNum& n) { Line(k, Num(n)); });
        Line("start", Date(app.m_startDate));
        Line("end", Date(app.m_endDate));
        std::ostringstream area;
        area << app.m_inspArea;
        Line("area", area.str());
        RightMod("change", app.m_rightMod);
        List("changes", app.m_rightModList,
             [this](const std::string& k, const ZnModelAppRightMod& r) { RightMod(k, r); });
        Line("lastNote", U(app.m_remarks3));
        Line("base", app.m_baseApp ? app.m_baseApp->GetRuntimeClass()->m_lpszClassName : "null");
        if (const auto* interim = dynamic_cast<const ZnModelAppRegInspConf*>(&app)) {
            Line("certNo", U(interim->m_specialCertNo));
            InspDate("stage", interim->m_stage);
            PastInsp("earlier", interim->m_pastInsp);
            List("earliers", interim->m_pastInspList,
                 [this](const std::string& k, const ZnModelPastInspDate& p) { PastInsp(k, p); });
            InspDate("later", interim->m_nextStage);
            List("laters", interim->m_nextStageList,
                 [this](const std::string& k, const ZnModelInspDate& i) { InspDate(k, i); });
        }
        if (const auto* completion = dynamic_cast<const ZnModelAppCompInspConf*>(&app)) {
            Line("certNo", U(completion->m_specialCertNo));
            PastInsp("history", completion->m_pastInsp);
            List("histories", completion->m_pastInspList,
                 [this](const std::string& k, const ZnModelPastInspDate& p) { PastInsp(k, p); });
            Line("pages.count", std::to_string(completion->m_buildPageList.GetCount()));
        }
    }

    std::ostringstream m_out;
};

} // namespace readertest
