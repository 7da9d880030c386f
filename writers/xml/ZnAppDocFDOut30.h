// The writer of "申請書データ.xml" for an interim inspection application (中間検査申請書, document
// type 1002) or a completion inspection application (完了検査申請書, 1005) of any object kind.
//
// The file holds the head, the second face (the people of the application and its remarks), the
// third face (site, kind of construction, the confirmation certificate, dates, the inspection
// stages and history, minor changes) and the first face (object kind, supervisor, applicant).
// The faces read the active document of the current shell (ZnShellState::Current()): the
// application root (first slot), the inspection application (second slot, ZnModelAppInspConf)
// and the inspection kind's own model (third slot: ZnModelAppRegInspConf for an interim
// application, else ZnModelAppCompInspConf), and the main frame's document type and object kind.
// Nothing here changes the models.
//
// The operations are listed under the source file that holds them.
#pragma once

#include "model/VhObject.h"
#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"
#include "writers/fdoutput/ZnFloppyOutput.h"

class ZnModelApp;
class ZnModelAppCompInspConf;
class ZnModelAppInspConf;
class ZnModelAppRegInspConf;
class ZnModelDesigner;
class XmlText;

class ZnAppDocFDOut30 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut30)
public:
    ZnAppDocFDOut30() = default;

    // ZnAppDocFDOut30.cpp: the file.

    // Writes the whole file at the Windows path, built in memory (XmlText). The certificate
    // selector picks the confirmation certificate of the third face: 1 the inspection's own, n
    // from 2 on entry n - 2 of its further certificates; a selector that names none writes the
    // three certificate elements empty. The page index is not read. A document without the models
    // that its type needs, or a path that cannot be opened, is reported with the stop icon and
    // nothing is written (told); a file that the medium could not hold is removed (cut off).
    static ZnWriteOutcome WriteXml(int selector, int pageIndex, CString path);

    // writers/fdoutput/ZnAppDocFDOut30_Floppy.cpp: the inspection's floppy output, which takes the
    // road of every floppy output (ZnFloppyOutput).

    // The form number of the inspection's index files by the document type: "280" interim, "210"
    // completion, "" for any other type.
    static CString FormNo();
    // Prepares the floppy under root (ZnFloppyOutput::Prepare) with the index files of FormNo for
    // the submission choice and the certificate group (-1 all): 1, or 0 after the failing step's
    // own message.
    int PrepareFD(CString root, int submissionIndex, int groupIndex);
    // The same with the two maps, for all groups.
    int PrepareFDWithMaps(CString root, int submissionIndex, CString mitoriPath, CString haichiPath);
    // After WriteXml has written the inspection to path: appends faces two to five of the building
    // application that the inspection model holds (interim or completion, by the document type),
    // runs the converter on path and reports completion with the information icon. The document
    // then holds only a new empty application root. Without a building application in the
    // inspection, "検査の対象となる確認申請書のデータがありません。" is told and nothing changes. The
    // first face that cannot be written ends the output after its message: the faces after it are
    // not written, the file at path is removed, the inspection in it included, and neither the
    // converter nor the completion follows.
    static void WriteBuildFaces(CString path);
    // The same for the Article 88(2) structure application of a completion inspection: its
    // document (ZnAppDocFDOut16) is appended to path.
    static void WriteSemiStrXml(CString path);

private:
    // Replaces the active document's models by copies of the inspected application (root and
    // form), appends its parts to the data file at path with them (ZnFloppyOutput::WriteDataFile),
    // then leaves the document with a new empty root. False when a part was not written: the file
    // is then gone, the inspection in it included.
    static bool WriteInspectedApplication(const ZnModelApp& inspected, ZnModelApp* form,
                                          const std::vector<ZnFloppyOutput::Part>& parts, CString path);

    // The active document's models: all present, of the classes that the document type needs.
    struct Models {
        const ZnModelApp* root = nullptr;
        const ZnModelAppInspConf* inspection = nullptr;
        const ZnModelAppRegInspConf* interim = nullptr;     // an interim application's
        const ZnModelAppCompInspConf* completion = nullptr; // any other application's
        bool isCompletion = false;                          // document type 1005
    };
    // True when the document holds the models that its type needs.
    static bool TakeModels(Models& models);

    // ZnAppDocFDOut30.cpp: the second and first faces.

    // 第二面: owners, agent, designers, equipment-design advisers, supervisors, constructors and
    // the remarks with the building's name.
    static void WriteSecondFace(XmlText& xml, const Models& models);
    // The first designer: numbering, architect block, design documents and the two statements.
    static void WriteFirstDesigner(XmlText& xml, const ZnModelDesigner& designer);
    // 第一面: the object kind, the supervisor text and the applicant.
    static void WriteFirstFace(XmlText& xml, const Models& models);

    // ZnAppDocFDOut30_ThirdFace.cpp: the third face.

    // 第三面1: site, kind of construction, certificate, dates, the kind's own blocks, minor
    // changes and remarks.
    static void WriteThirdFace(XmlText& xml, const Models& models, int selector);
    // The completion application's end date, floor area and inspection history.
    static void WriteCompletionBlocks(XmlText& xml, const Models& models);
    // The interim application's planned end date, stage and the inspections before and after.
    static void WriteInterimBlocks(XmlText& xml, const Models& models);
};
