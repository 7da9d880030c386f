#include "tools/sampledata/SampleDocuments.h"

#include "tools/sampledata/SampleBuildingForms.h"
#include "tools/sampledata/SampleFacilityForms.h"

#include <stdexcept>
#include <string>

namespace sampledata {

namespace {

// The application root of a document: its kind and date in the header's local data, the
// destination, the owner as applicant and first owner, and the designer as agent.
ZnModelApp MakeRoot(const SampleProject& project, const SampleDocumentInfo& document)
{
    ZnModelApp root;
    ZnModelAppLocalData& localData = root.m_header.m_localData;
    localData.m_documentKind.m_code.Format("%d", document.code);
    ZnModelNumGroup application;
    application.m_itemNumber = 1;
    application.m_firstNumber.m_date = document.date;
    localData.m_buildingNumGroups.AddCopy(application);
    root.m_applicationDate = document.date;
    root.m_submissionDestination = project.destination;
    root.m_firstOwner = MakeOwner(project.owner);
    root.m_applicantName = root.m_firstOwner.m_person.m_name;
    root.m_agent = MakeArchitect(project.designer);
    return root;
}

// A document of two objects: the application root, the family's form object and the kind's
// object, each a copy of the kind's object at its own class.
template <typename Form, typename Kind> SampleSlots TwoObjects(const Kind& kind)
{
    SampleSlots slots;
    slots.objects[0].reset(new ZnModelApp(kind));
    slots.objects[1].reset(new Form(kind));
    slots.objects[2].reset(new Kind(kind));
    return slots;
}

// A document of one object: the application root and the form object.
template <typename Form> SampleSlots OneObject(const Form& form)
{
    SampleSlots slots;
    slots.objects[0].reset(new ZnModelApp(form));
    slots.objects[1].reset(new Form(form));
    return slots;
}

typedef SampleSlots (*DocumentBuilder)(const ZnModelApp& root, const SampleProject& project);

struct KindBuilder {
    int code;
    DocumentBuilder build;
};

// The document kinds that the sample set holds, with the objects of each.
const KindBuilder kindBuilders[] = {
    {100001, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppBuild>(MakeBuildingConf(root, project)); }},
    {100002, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppLift>(MakeLiftConf(root, project)); }},
    {100003, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppEquip>(MakeEquipConf(root, project)); }},
    {100004, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppStruct>(MakeStructConf(root, project)); }},
    {100006,
     [](const ZnModelApp& root, const SampleProject& project) {
         return TwoObjects<ZnModelAppSemiStr>(MakeSemiStrConf(root, project));
     }},
    {100101,
     [](const ZnModelApp& root, const SampleProject& project) {
         return TwoObjects<ZnModelAppInspConf>(MakeInterimInspection(root, project));
     }},
    {100201,
     [](const ZnModelApp& root, const SampleProject& project) {
         return TwoObjects<ZnModelAppInspConf>(MakeCompletionInspection(root, project));
     }},
    {100301, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppBuild>(MakeBuildingMod(root, project)); }},
    {100302, [](const ZnModelApp& root,
                const SampleProject& project) { return TwoObjects<ZnModelAppLift>(MakeLiftMod(root, project)); }},
    {100801,
     [](const ZnModelApp& root, const SampleProject& project) { return OneObject(MakeConstNotif(root, project)); }},
    {100802,
     [](const ZnModelApp& root, const SampleProject& project) { return OneObject(MakeDemNotif(root, project)); }},
    {100803,
     [](const ZnModelApp& root, const SampleProject& project) { return OneObject(MakeSafeNotif(root, project)); }},
};

} // namespace

JkModelAddress LotAddress(const SampleProject& project)
{
    return MakeAddress(project.postal1, project.postal2, project.lotAddress);
}

JkModelAddress DisplayAddress(const SampleProject& project)
{
    return MakeAddress(project.postal1, project.postal2, project.displayAddress);
}

JkModelName ProjectName(const SampleProject& project) { return MakeName(project.name, project.reading); }

ZnModelDate PlannedStart() { return HeiseiDate(2010, 10, 1); }

ZnModelDate PlannedEnd() { return HeiseiDate(2011, 9, 30); }

ZnModelNum ProjectConfirmation(const SampleProject& project)
{
    return MakeNum("第H22確認建築00123号", HeiseiDate(2010, 6, 10), project.destination);
}

SampleSlots MakeSampleDocument(const SampleProject& project, const SampleDocumentInfo& document)
{
    for (const KindBuilder& kind : kindBuilders) {
        if (kind.code == document.code)
            return kind.build(MakeRoot(project, document), project);
    }
    throw std::invalid_argument("no sample content for document kind " + std::to_string(document.code));
}

} // namespace sampledata
