#include "tests/readers/AppListing.h"

#include <cstdio>

namespace readertest {

namespace {

std::string Text(const CString& text) { return text.Bytes(); }
std::string Int(int value) { return std::to_string(value); }
std::string Real(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// "(a, b, c)".
std::string Part(std::initializer_list<std::string> members)
{
    std::string part;
    for (const std::string& member : members)
        part += (part.empty() ? "(" : ", ") + member;
    return part + ")";
}

std::string Of(const ZnModelCode& code) { return Text(code.GetCode()); }
std::string Of(const ZnModelDate& date)
{
    return Text(date.m_yearCode.m_code) + " " + Int(date.m_yearCode.m_year) + "-" + Int(date.m_month) + "-" +
           Int(date.m_day);
}
std::string Of(const JkModelName& name)
{
    return Part(
        {Text(name.m_name), Text(name.m_nameReading), Int(name.m_firstNameNumber), Int(name.m_secondNameNumber)});
}
std::string Of(const JkModelAddress& a)
{
    return Part({Text(a.m_postalCode1), Text(a.m_postalCode2), Text(a.m_firstAddressText), Int(a.m_firstAddressNumber),
                 Text(a.m_secondAddressText), Int(a.m_secondAddressNumber), Text(a.m_address),
                 Int(a.m_addressValues[0]), Int(a.m_addressValues[1]), Int(a.m_addressValues[2]),
                 Int(a.m_addressValues[3])});
}
std::string Of(const JkModelTelNumber& t)
{
    return Part({Text(t.m_firstPart), Text(t.m_secondPart), Text(t.m_thirdPart), Int(t.m_telNumberValue)});
}
std::string Of(const JkModelIndividualData& p) { return Part({Of(p.m_name), Of(p.m_address), Of(p.m_telephone)}); }
std::string Of(const ZnModelOwner& owner) { return Of(owner.m_person); }
std::string Of(const ZnModelDesigner& d)
{
    return Part({Of(d.m_qualificationClass), Of(d.m_qualificationAuthority), Text(d.m_qualificationRegistrationNumber),
                 Of(d.m_architectName), Of(d.m_officeClass), Of(d.m_officeAuthority),
                 Text(d.m_officeRegistrationNumber), Of(d.m_office), Text(d.m_designDocuments),
                 Int(d.m_structuralParagraph1Statement), Int(d.m_structuralParagraph3Statement),
                 Text(d.m_structuralCertificateNumber), Int(d.m_equipmentParagraph1Statement),
                 Int(d.m_equipmentParagraph3Statement), Text(d.m_equipmentCertificateNumber)});
}
std::string Of(const ZnModelConstructor& c)
{
    return Part({Of(c.m_name), Of(c.m_licenceIssuer), Text(c.m_registrationNumber), Of(c.m_individualData)});
}
std::string Of(const ZnModelNum& n) { return Part({Text(n.m_number), Of(n.m_date), Text(n.m_furtherText)}); }
std::string Of(const ZnModelInspDate& d) { return Part({Int(d.m_count), Of(d.m_date), Text(d.m_name)}); }
std::string Of(const ZnModelLift& l)
{
    return Part({Int(l.m_leadingValue), Of(l.m_kindCode), Text(l.m_kindText), Of(l.m_usageCode), Text(l.m_usageText),
                 Real(l.m_loadCapacity), Int(l.m_maxPersons), Real(l.m_ratedSpeed), Text(l.m_otherMatters)});
}
std::string Of(const ZnModelStruct& s)
{
    return Part({Int(s.m_leadingValue), Of(s.m_kindCode), Text(s.m_kindText), Real(s.m_height),
                 Text(s.m_structureDetail), Int(s.m_newBuild), Text(s.m_newBuildText), Int(s.m_extension),
                 Text(s.m_extensionText), Int(s.m_rebuild), Text(s.m_rebuildText), Int(s.m_otherKind),
                 Text(s.m_otherKindText), Text(s.m_remarks)});
}
std::string Of(const ZnModelArea& a) { return Part({Real(a.m_appPart), Real(a.m_otherPart)}); }
std::string Of(const ZnModelAppSitePos& p)
{
    std::string values;
    for (int value : p.m_values)
        values += (values.empty() ? "" : " ") + Int(value);
    return "(" + values + ")";
}
std::string Of(const ZnModelNumGroup& g)
{
    return Part({Int(g.m_itemNumber), Of(g.m_firstNumber), Of(g.m_secondNumber)});
}

// Appends "name: value".
struct Listing {
    template <typename Value> void Line(const char* name, const Value& value)
    {
        text += name + (": " + Of(value)) + "\n";
    }
    void Line(const char* name, const std::string& value) { text += name + (": " + value) + "\n"; }
    void Line(const char* name, const CString& value) { Line(name, Text(value)); }
    void Line(const char* name, int value) { Line(name, Int(value)); }
    void Line(const char* name, double value) { Line(name, Real(value)); }
    template <typename E> void List(const char* name, const ZnModelList<E>& list)
    {
        int i = 0;
        for (POSITION pos = list.GetHeadPosition(); pos; ++i)
            Line((std::string(name) + "[" + Int(i) + "]").c_str(), Of(*list.GetNext(pos)));
    }
    std::string text;
};

// The members of ZnModelApp and of the persons part, which every family begins with.
void Persons(Listing& out, const ZnModelAppPersons& app)
{
    out.Line("applicationDate", app.m_applicationDate);
    out.Line("submissionDestination", app.m_submissionDestination);
    out.Line("applicantName", app.m_applicantName);
    out.Line("firstOwner", app.m_firstOwner);
    out.List("furtherOwners", app.m_furtherOwners);
    out.Line("additionalNumber", app.m_additionalNumber);
    out.Line("additionalText", app.m_additionalText);
    out.Line("agent", app.m_agent);
    out.Line("designer", app.m_designer);
    out.List("designerList", app.m_designerList);
    out.Line("constructor", app.m_constructor);
    out.List("constructorList", app.m_constructorList);
}

} // namespace

std::string HeaderListing(const ZnModelApp& app)
{
    Listing out;
    const ZnModelAppHeader& h = app.m_header;
    out.Line("headerNumber", h.m_headerNumber);
    out.Line("documentKind", h.m_localData.m_documentKind);
    out.Line("firstLocalNumber", h.m_localData.m_firstLocalNumber);
    out.List("buildingNumGroups", h.m_localData.m_buildingNumGroups);
    out.List("liftNumGroups", h.m_localData.m_liftNumGroups);
    out.List("equipmentNumGroups", h.m_localData.m_equipmentNumGroups);
    out.List("secondLiftNumGroups", h.m_localData.m_secondLiftNumGroups);
    out.List("structureNumGroups", h.m_localData.m_structureNumGroups);
    return out.text;
}

std::string AppListing(const ZnModelAppLift& app)
{
    Listing out;
    Persons(out, app);
    out.Line("address", app.m_address);
    out.Line("name", app.m_name);
    out.Line("usageText", app.m_usageText);
    out.Line("confNum", app.m_confNum);
    out.Line("lift", app.m_lift);
    out.List("liftList", app.m_liftList);
    out.Line("constStartDate", app.m_constStartDate);
    out.Line("constEndDate", app.m_constEndDate);
    out.Line("specStageDate", app.m_specStageDate);
    out.Line("note", app.m_note);
    out.Line("changeSummary", app.m_changeSummary);
    return out.text;
}

std::string AppListing(const ZnModelAppEquip& app)
{
    Listing out;
    Persons(out, app);
    out.Line("address", app.m_address);
    out.Line("name", app.m_name);
    out.Line("usageText", app.m_usageText);
    out.Line("confNum", app.m_confNum);
    out.Line("equipOutline", app.m_equipOutline);
    out.Line("constStartDate", app.m_constStartDate);
    out.Line("constEndDate", app.m_constEndDate);
    out.Line("specStageDate", app.m_specStageDate);
    out.Line("note", app.m_note);
    out.Line("changeSummary", app.m_changeSummary);
    return out.text;
}

std::string AppListing(const ZnModelAppStruct& app)
{
    Listing out;
    Persons(out, app);
    out.Line("lotAddress", app.m_lotAddress);
    out.Line("displayAddress", app.m_displayAddress);
    out.Line("structure", app.m_structure);
    out.List("structList", app.m_structList);
    out.Line("constStartDate", app.m_constStartDate);
    out.Line("constEndDate", app.m_constEndDate);
    out.Line("specStageDate", app.m_specStageDate);
    out.Line("note", app.m_note);
    out.Line("changeSummary", app.m_changeSummary);
    out.Line("name", app.m_name);
    return out.text;
}

std::string AppListing(const ZnModelAppSemiStr& app)
{
    Listing out;
    Persons(out, app);
    out.Line("lotAddress", app.m_lotAddress);
    out.Line("displayAddress", app.m_displayAddress);
    out.List("useZoneCodeList", app.m_useZoneCodeList);
    out.Line("otherZoneText", app.m_otherZoneText);
    out.Line("usageCode", app.m_usageCode);
    out.Line("usageText", app.m_usageText);
    out.Line("height", app.m_height);
    out.Line("kinds",
             Part({Int(app.m_newFlag), Text(app.m_newText), Int(app.m_extendFlag), Text(app.m_extendText),
                   Int(app.m_rebuildFlag), Text(app.m_rebuildText), Int(app.m_otherFlag), Text(app.m_otherText)}));
    out.Line("buildArea", app.m_buildArea);
    out.Line("appStructCount", app.m_appStructCount);
    out.Line("otherStructCount", app.m_otherStructCount);
    out.Line("structNote", app.m_structNote);
    out.Line("constStartDate", app.m_constStartDate);
    out.Line("constEndDate", app.m_constEndDate);
    out.Line("specStageDate", app.m_specStageDate);
    out.Line("permitLaw", app.m_permitLaw);
    out.Line("note", app.m_note);
    out.Line("name", app.m_name);
    out.Line("sitePos1", app.m_sitePos1);
    out.Line("sitePos2", app.m_sitePos2);
    out.Line("changeSummary", app.m_changeSummary);
    return out.text;
}

template <typename Family> std::string PlanChangeListing(const ZnModelAppPlanChange<Family>& app)
{
    Listing out;
    out.Line("prevConfNum", app.m_prevConfNum);
    out.Line("planChangeSummary", app.m_planChangeSummary);
    return out.text;
}

template std::string PlanChangeListing(const ZnModelAppPlanChange<ZnModelAppLift>&);
template std::string PlanChangeListing(const ZnModelAppPlanChange<ZnModelAppEquip>&);
template std::string PlanChangeListing(const ZnModelAppPlanChange<ZnModelAppStruct>&);
template std::string PlanChangeListing(const ZnModelAppPlanChange<ZnModelAppSemiStr>&);

} // namespace readertest
