#include "readers/ZnOldInspForm.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormReader.h"

#include <cstdlib>

namespace {

using Work = ZnOldInspForm::Work;

// The record shapes. F(n) is field n of the record; a shape reads only fields that its item's
// least count guarantees.
const CString& F(const CStringArray& fields, int n) { return fields.GetAt(n); }

using Persons = ZnOldFormPersonLayout;
// F1 the count, F2 the stage, F3 the issuer, F4 the certificate number, F5 its date.
ZnModelPastInspDate PastInspection(const CStringArray& f)
{
    ZnModelPastInspDate past;
    past.m_count = std::atoi(F(f, 1));
    past.m_stageName = F(f, 2);
    past.m_certificate.SetFurtherText(F(f, 3));
    past.m_certificate.SetNumber(F(f, 4));
    past.m_certificate.SetDate(ZnOldFormFields::Date(F(f, 5)));
    return past;
}

// F1 the count, F2 the stage, F3 its scheduled end date.
ZnModelInspDate LaterInspection(const CStringArray& f)
{
    ZnModelInspDate later;
    later.SetCount(std::atoi(F(f, 1)));
    later.SetName(F(f, 2));
    later.SetDate(ZnOldFormFields::Date(F(f, 3)));
    return later;
}

ZnModelAppRightMod RightMod(const CStringArray& f)
{
    ZnModelAppRightMod change;
    change.m_docKind = F(f, 1);
    change.m_summary = F(f, 2);
    return change;
}

ZnModelAppRegInspConf& Interim(Work& work) { return static_cast<ZnModelAppRegInspConf&>(*work.app); }
ZnModelAppCompInspConf& Completion(Work& work) { return static_cast<ZnModelAppCompInspConf&>(*work.app); }

// The items that both forms have, by their place in the form (code = form base + offset).
void Owner(Work& w, const CStringArray& f) { w.app->SetOwner(Persons::Owner(f)); }
void Agent(Work& w, const CStringArray& f) { w.app->SetAgent(Persons::Architect(f)); }
void Designer(Work& w, const CStringArray& f) { w.app->m_designer = Persons::Architect(f); }
void EquipAdviser(Work& w, const CStringArray& f) { w.app->m_equipAdviser = Persons::Adviser(f); }
void Supervisor(Work& w, const CStringArray& f) { w.app->m_supervisor = Persons::Architect(f); }
void MainConstructor(Work& w, const CStringArray& f) { w.app->m_constructor = Persons::Constructor(f); }
void Note(Work& w, const CStringArray& f) { w.app->m_remarks2 = F(f, 1); }
void Addresses(Work& w, const CStringArray& f)
{
    w.app->m_siteLot = ZnOldFormFields::AddressLine(F(f, 1));
    w.app->m_siteDisplay = ZnOldFormFields::AddressLine(F(f, 2));
}
// The building class and the construction kind; a fourth field is the certification number.
void Kind(Work& w, const CStringArray& f, CString& certificationNumber)
{
    w.app->m_buildType.SetCode(F(f, 1));
    w.app->SetConstKind(F(f, 2));
    if (f.GetSize() >= 4)
        certificationNumber = F(f, 3);
}
void InterimKind(Work& w, const CStringArray& f) { Kind(w, f, Interim(w).m_specialCertNo); }
void CompletionKind(Work& w, const CStringArray& f) { Kind(w, f, Completion(w).m_specialCertNo); }

// The confirmation certificate. In the first file the number, date and issuer fill the working
// certificate; in a later file they fill a further certificate of that file, which its issuer
// record appends. Every issuer record then gives the object the first file's certificate.
void CertNumber(Work& w, const CStringArray& f)
{
    if (w.firstFile) {
        w.confCert.SetNumber(F(f, 1));
    } else {
        w.furtherCerts.push_back(std::make_unique<ZnModelNum>());
        w.currentFurther = w.furtherCerts.back().get();
        w.currentFurther->SetNumber(F(f, 1));
    }
    ZnModelNumGroup group;
    group.m_itemNumber = std::atoi(F(f, 1));
    w.numGroups.AddCopy(group);
}
void CertDate(Work& w, const CStringArray& f)
{
    if (w.firstFile)
        w.confCert.SetDate(ZnOldFormFields::Date(F(f, 1)));
    else if (w.currentFurther)
        w.currentFurther->SetDate(ZnOldFormFields::Date(F(f, 1)));
}
void CertIssuer(Work& w, const CStringArray& f)
{
    if (w.firstFile) {
        w.confCert.SetFurtherText(F(f, 1));
    } else if (w.currentFurther) {
        w.currentFurther->SetFurtherText(F(f, 1));
        w.appended.push_back(w.currentFurther);
    }
    w.app->m_confCert = w.confCert;
}

void StartDate(Work& w, const CStringArray& f) { w.app->m_startDate = ZnOldFormFields::Date(F(f, 1)); }
void EndDate(Work& w, const CStringArray& f) { w.app->m_endDate = ZnOldFormFields::Date(F(f, 1)); }
void Change(Work& w, const CStringArray& f) { w.app->m_rightMod = RightMod(f); }
void LastNote(Work& w, const CStringArray& f) { w.app->m_remarks3 = F(f, 1); }
void FurtherOwner(Work& w, const CStringArray& f) { w.owners.AddCopy(Persons::Owner(f)); }
void FurtherDesigner(Work& w, const CStringArray& f) { w.designers.AddCopy(Persons::Architect(f)); }
void FurtherAdviser(Work& w, const CStringArray& f) { w.advisers.AddCopy(Persons::Adviser(f)); }
void FurtherSupervisor(Work& w, const CStringArray& f) { w.supervisors.AddCopy(Persons::Architect(f)); }
void FurtherConstructor(Work& w, const CStringArray& f) { w.constructors.AddCopy(Persons::Constructor(f)); }
void BuildingName(Work& w, const CStringArray& f) { w.app->m_buildingName = ZnOldFormFields::Name(F(f, 2), F(f, 1)); }
void ConstKind(Work& w, const CStringArray& f) { w.app->SetConstKind(F(f, 1)); }
void PastInspectionEntry(Work& w, const CStringArray& f) { w.pastInsps.AddCopy(PastInspection(f)); }
void FurtherChange(Work& w, const CStringArray& f) { w.rightMods.AddCopy(RightMod(f)); }
void Applicant(Work& w, const CStringArray& f) { w.app->SetApplicantName(ZnOldFormFields::Name(F(f, 2), F(f, 1))); }

// Items of the interim form only.
void Stage(Work& w, const CStringArray& f)
{
    ZnModelInspDate stage;
    stage.SetName(F(f, 1));
    stage.SetDate(ZnOldFormFields::Date(F(f, 2)));
    Interim(w).m_stage = stage;
    w.app->m_inspArea = std::atof(F(f, 3));
}
void EarlierInspection(Work& w, const CStringArray& f) { Interim(w).m_pastInsp = PastInspection(f); }
void LaterInspectionFirst(Work& w, const CStringArray& f) { Interim(w).m_nextStage = LaterInspection(f); }
void LaterInspectionEntry(Work& w, const CStringArray& f) { w.laterInsps.AddCopy(LaterInspection(f)); }

// Items of the completion form only.
void InspArea(Work& w, const CStringArray& f) { w.app->m_inspArea = std::atof(F(f, 1)); }
// The first history entry counts only with its date.
void HistoryFirst(Work& w, const CStringArray& f)
{
    if (!F(f, 5).IsEmpty())
        Completion(w).m_pastInsp = PastInspection(f);
}

void HandOverInterimLists(Work& w, ZnModelAppInspConf& app)
{
    auto& interim = static_cast<ZnModelAppRegInspConf&>(app);
    interim.SetPastInspDateList(w.pastInsps);
    interim.SetInspDateList(w.laterInsps);
}

void HandOverCompletionLists(Work& w, ZnModelAppInspConf& app)
{
    static_cast<ZnModelAppCompInspConf&>(app).SetPastInspDateList(w.pastInsps);
}

template <typename App> ZnModelAppInspConf* Create() { return new App; }

} // namespace

ZnModelNumList ZnOldInspForm::Work::AppendedCertificates() const
{
    ZnModelNumList certificates;
    for (const ZnModelNum* certificate : appended)
        certificates.AddCopy(*certificate);
    return certificates;
}

const ZnOldInspForm& ZnOldInspForm::Interim()
{
    static const ZnOldInspForm form = {"280",
                                       {{28010, 6, Owner},
                                        {28020, 12, Agent},
                                        {28030, 12, Designer},
                                        {28040, 6, EquipAdviser},
                                        {28050, 12, Supervisor},
                                        {28060, 8, MainConstructor},
                                        {28070, 2, Note},
                                        {28080, 3, Addresses},
                                        {28090, 3, InterimKind},
                                        {28100, 2, CertNumber},
                                        {28110, 2, CertDate},
                                        {28120, 2, CertIssuer},
                                        {28130, 2, StartDate},
                                        {28140, 2, EndDate},
                                        {28150, 4, Stage},
                                        {28160, 6, EarlierInspection},
                                        {28170, 4, LaterInspectionFirst},
                                        {28180, 3, Change},
                                        {28190, 2, LastNote},
                                        {28200, 6, FurtherOwner},
                                        {28210, 12, FurtherDesigner},
                                        {28220, 6, FurtherAdviser},
                                        {28230, 12, FurtherSupervisor},
                                        {28240, 8, FurtherConstructor},
                                        {28250, 3, BuildingName},
                                        {28260, 2, ConstKind},
                                        {28270, 6, PastInspectionEntry},
                                        {28280, 4, LaterInspectionEntry},
                                        {28290, 3, FurtherChange},
                                        {28900, 3, Applicant}},
                                       Create<ZnModelAppRegInspConf>,
                                       HandOverInterimLists};
    return form;
}

const ZnOldInspForm& ZnOldInspForm::Completion()
{
    static const ZnOldInspForm form = {"210",
                                       {{21010, 6, Owner},
                                        {21020, 12, Agent},
                                        {21030, 12, Designer},
                                        {21040, 6, EquipAdviser},
                                        {21050, 12, Supervisor},
                                        {21060, 8, MainConstructor},
                                        {21070, 2, Note},
                                        {21080, 3, Addresses},
                                        {21090, 3, CompletionKind},
                                        {21100, 2, CertNumber},
                                        {21110, 2, CertDate},
                                        {21120, 2, CertIssuer},
                                        {21130, 2, StartDate},
                                        {21140, 2, EndDate},
                                        {21150, 2, InspArea},
                                        {21160, 6, HistoryFirst},
                                        {21170, 3, Change},
                                        {21180, 2, LastNote},
                                        {21200, 6, FurtherOwner},
                                        {21210, 12, FurtherDesigner},
                                        {21220, 6, FurtherAdviser},
                                        {21230, 12, FurtherSupervisor},
                                        {21240, 8, FurtherConstructor},
                                        {21250, 3, BuildingName},
                                        {21260, 2, ConstKind},
                                        {21270, 6, PastInspectionEntry},
                                        {21280, 3, FurtherChange},
                                        {21900, 3, Applicant}},
                                       Create<ZnModelAppCompInspConf>,
                                       HandOverCompletionLists};
    return form;
}

void ZnOldInspForm::Apply(Work& work, const CStringArray& fields) const
{
    if (fields.GetSize() >= 1)
        ApplyFormItem(items, work, fields);
}

void ZnOldInspForm::HandOverCertificates(Work& work) { work.app->SetConfNumList(work.AppendedCertificates()); }

void ZnOldInspForm::HandOverFileLists(Work& work) const
{
    ZnModelAppInspConf& app = *work.app;
    app.SetOwnerList(work.owners);
    app.SetDesignerList(work.designers);
    app.SetEquipDesignerList(work.advisers);
    app.SetSupervisorList(work.supervisors);
    app.SetConstructorList(work.constructors);
    handOverOwnLists(work, app);
    app.SetRightModList(work.rightMods);
    work.owners.DeleteAll();
    work.designers.DeleteAll();
    work.advisers.DeleteAll();
    work.supervisors.DeleteAll();
    work.constructors.DeleteAll();
    work.pastInsps.DeleteAll();
    work.laterInsps.DeleteAll();
    work.rightMods.DeleteAll();
}
