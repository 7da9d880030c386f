// The document files of the sample properties, made through the data model: for a document-kind
// code, the objects of the document's three model slots filled with plausible content (owner,
// applicant, agent, designers, site, building pages and the kind's own pages).
#pragma once

#include "model/ZnModelApp.h"
#include "tools/sampledata/SampleParties.h"

#include <memory>

namespace sampledata {

// What the documents of one property share: the building or structure with its site, figures,
// owner and the people who design and build it.
struct SampleProject {
    LPCTSTR name; // 建築物又は工作物の名称
    LPCTSTR reading;
    LPCTSTR postal1;
    LPCTSTR postal2;
    LPCTSTR lotAddress;     // 地名地番
    LPCTSTR displayAddress; // 住居表示
    LPCTSTR usageCode;      // 主要用途 (TatemonoYoutoTbl)
    LPCTSTR usageText;
    LPCTSTR useZoneCode;   // 用途地域 (YoutoChiikiTbl)
    LPCTSTR structureCode; // 主要構造 (KouzouShubetsuTbl)
    LPCTSTR structureText;
    double siteArea;     // m²
    double buildingArea; // m², also the floor area of the first floor
    int floorsAbove;
    int floorsBelow;
    double height;          // m
    LPCTSTR specifiedStage; // 特定工程, null when the building has none
    SampleOwner owner;
    SampleArchitect designer;
    SampleBuilder builder;
    LPCTSTR destination; // 申請先
};

// One document of a property: its kind and its application date.
struct SampleDocumentInfo {
    int code;
    ZnModelDate date;
};

// The objects of the three model slots of a document, in slot order; the third is null for a
// kind of one object.
struct SampleSlots {
    std::unique_ptr<ZnModel> objects[3];
};

// The project's site (地名地番, 住居表示) and the name of its building or structure.
JkModelAddress LotAddress(const SampleProject& project);
JkModelAddress DisplayAddress(const SampleProject& project);
JkModelName ProjectName(const SampleProject& project);

// What the documents of every project share: the planned construction period (工事着手予定日,
// 工事完了予定日) and the confirmation certificate of the project's building or structure, which
// later documents refer to.
ZnModelDate PlannedStart();
ZnModelDate PlannedEnd();
ZnModelNum ProjectConfirmation(const SampleProject& project);

// The slot objects of a document of the project, of the classes that the document kinds' table
// names for its code. Raises std::invalid_argument for a code that the sample set has no
// content for.
SampleSlots MakeSampleDocument(const SampleProject& project, const SampleDocumentInfo& document);

} // namespace sampledata
