// The writer of a building confirmation application (確認申請書（建築物）, 計画通知書 in the
// notification mode) and of its plan change: the file 申請書データ.xml.
//
// WriteXml builds the head and the five faces in order in memory (XmlText) and writes the file
// whole; the face writers append one face each to a file whose head is written, so that they can
// also be run one by one. The fifth face closes the root element. Every line ends in CR LF; the
// text is UTF-8 without a byte-order mark; a face element stands one tab deep and each level of
// nesting adds a tab; every element is written, empty when its value is, unless a face leaves it
// out on a stated condition.
//
// The faces read the active document of the current shell (ZnShellState::Current()): the
// application root (first slot, ZnModelApp), the building application (second slot,
// ZnModelAppBuild), and the confirmation (third slot, ZnModelAppBuildConf: its accompanying
// lifts and structures) or the plan change (third slot, ZnModelAppBuildMod: the confirmation
// before the change). The main frame's document type chooses what a face holds: 1000 a
// confirmation, 1008 a plan change. Nothing here changes the model.
//
// The class holds no data; its operations are class-level and may be called on an instance.
// Failures are message boxes with the stop icon. Each writer of a file returns what became of it
// (ZnWriteOutcome): written; told after its message, and nothing written; or cut off by a full
// medium and removed, for its caller to tell. Elements are written with XmlText's element
// writers: a fixed word (有, 無, a rank) as a value, which gives the same bytes as the word
// written as markup.
//
// The operations are listed under the source file that holds them.
#pragma once

#include "storage/ZnAppComTblAccess.h"

#include "model/VhObject.h"
#include "model/ZnModelConstKindFlags.h"
#include "writers/XmlText.h"
#include "writers/ZnWriteOutcome.h"

#include <cstdio>
#include <vector>

class ZnModelApp;
class ZnModelAppBuild;
class ZnModelAppBuildConf;
class ZnModelAppBuildMod;
class ZnModelConstructor;
class ZnModelDesigner;
class ZnModelAppSitePage;
class ZnModelAppBuildPage;
class ZnModelAppFloorOutline;
class ZnModelAppStrKind;
class ZnModelLift;
class ZnModelStruct;

class ZnAppDocFDOut11 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut11)
public:
    ZnAppDocFDOut11() = default;

    // The list kinds of WriteListEntries.
    enum ListKind { OwnerList = 1, DesignerList = 2, EquipDesignerList = 3, SupervisorList = 4, ConstructorList = 5 };

    // ZnAppDocFDOut11_File.cpp: the file.

    // Writes the whole file at path: creates or empties it and writes the XML declaration, the
    // start tag of the root 申請書データ and the management block, then the five faces in order.
    // When the document lacks its application or building, or the file cannot be created, says so
    // and writes nothing (told). A face that reports a missing model is written without the block
    // it lacks.
    static ZnWriteOutcome WriteXml(LPCTSTR path);

    // ZnAppDocFDOut11_Floppy.cpp: the floppy output of the application onto the output root (a
    // folder, or a drive such as "A:") by ZnFloppyOutput, with the output page's submission choice
    // (0 今回申請, 1 修正申請) and its two map files (見取図, 配置図; "" for none), the index files of
    // form "110" and the whole application (WriteXml) as the data file. Success is not told. When
    // the data file of a confirmation (document type 1000) stands whole, the property's
    // construction notification follows (OutputConstNotifFD).
    static void OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath);
    // Writes the property's stored construction notification (form 240: Ka001.240, Ke001.240 in
    // the notification mode) onto the root as its form file and supervisor file
    // (ZnAppDocFDOut53::WriteForm). The file is read into objects of its own, which stand in the
    // active document's first two slots only while the form is written; then the document holds
    // the very objects it held before, with their unsaved changes. Without the file nothing is
    // written or told; a file that cannot be read is told as the document's open tells it, and
    // nothing is written.
    static void OutputConstNotifFD(LPCTSTR root);

    // The faces, each appended to the file at path (ZnAppDocFDOut11_File.cpp). When the document
    // lacks the building application (and, for the first two, the application root) or the file
    // cannot be opened, says so and writes nothing (told). A face cut off by a full medium takes
    // the file at path with it, what stood in it before included.

    // 第一面: for a plan change the block of the confirmation before the change, in the
    // notification mode the application number, then the first-face designer, the applicant, the
    // application date and the authority applied to.
    static ZnWriteOutcome WriteFirstFace(LPCTSTR path);
    // 第二面: the building owners, the agent, the designers, the equipment-design advisers, the
    // supervisors, the constructors and the remarks; for a confirmation (document type 1000) then
    // the lift and structure outline lists.
    static ZnWriteOutcome WriteSecondFace(LPCTSTR path);
    // 第三面1, the site page.
    static ZnWriteOutcome WriteThirdFace(LPCTSTR path);
    // 第四面, one entry per building page.
    static ZnWriteOutcome WriteFourthFace(LPCTSTR path);
    // 第五面, the floors of every building page, and the end tag of the root.
    static ZnWriteOutcome WriteFifthFace(LPCTSTR path);

    // ZnAppDocFDOut11_FirstFace.cpp: the block 計画を変更する直前の確認 of the plan change in the
    // third slot, for the first face: the summary of the change and the issuer, date and number
    // of the confirmation before it. Without a plan change in that slot, says so and adds nothing.
    static void WritePlanChangeBlock(XmlText& xml);

    // ZnAppDocFDOut11_SecondFace.cpp: the entries of one list (ListKind) of the second face after
    // its first entry: the further owners, designers, advisers or supervisors, or the constructor
    // of each building page that has a named one. They are numbered 2, 3, ... in the order
    // written; absent entries are skipped. Any other kind adds nothing. The second slot may also
    // hold an inspection application (ZnModelAppInspConf), whose lists serve the same way.
    static void WriteListEntries(XmlText& xml, int kind);
    // The same written to a stream opened in text mode (XmlPieceWriters).
    static void WriteListEntries(FILE* file, int kind);

    // ZnAppDocFDOut11_LiftOutlineList.cpp: 昇降機の概要リスト and 工作物1の概要リスト of the
    // second face: the lifts and structures that accompany the confirmation in the third slot.
    static void WriteLiftOutlineList(XmlText& xml);
    // The same written to a stream opened in text mode (XmlPieceWriters).
    static void WriteLiftOutlineList(FILE* file);

    // An element of a second-face entry, a value or a container of elements
    // (ZnAppDocFDOut11_SecondFace.cpp).
    struct Element;

private:
    // A text built from the application root (which only the whole file and the first two faces
    // read, and which is present for them) and the building application: the whole file, or one
    // face from the source file of its name.
    using Face = void (*)(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void WholeFile(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void FirstFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void SecondFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void ThirdFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void FourthFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    static void FifthFace(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build);
    // Writes a text into the file at path, which it creates or empties or, with append, adds to;
    // the application root is needed with needsApp. When the document lacks a model the text needs,
    // or the file cannot be opened, says so and writes nothing.
    static ZnWriteOutcome WriteText(LPCTSTR path, Face text, bool append, bool needsApp);

    // Opens the file at path to be written whole, or with append added to. When it cannot be
    // opened, shows "様式ファイルのオープン(path)に失敗しました。" with the stop icon and returns
    // null.
    static FILE* OpenXml(LPCTSTR path, bool append);

    // The models of the active document that the faces read, or null where the slot is empty
    // or holds another class.
    static const ZnModelApp* ActiveApp();
    static const ZnModelAppBuild* ActiveBuild();
    static const ZnModelAppBuildConf* ActiveBuildConf();
    static const ZnModelAppBuildMod* ActivePlanChange();
    // Says, with the stop icon, that the document to write lacks a model that it needs.
    static void ReportMissingDocument();

    // A number as the Windows runtime formats it ("%.2f" rounds half away from zero).
    static CString Formatted(LPCTSTR format, ...) __attribute__((format(printf, 1, 2)));
    // The same with the zero rule: a written zero ("0", "0.00" ...) becomes "".
    static CString FormattedBlankZero(LPCTSTR format, ...) __attribute__((format(printf, 1, 2)));

    // The code tables that the faces name codes from, by their place among the application's
    // code-table recordsets.
    enum CodeTable {
        KenchikushiTourokuShubetsuTbl = ZnAppComTblAccess::slotKenchikushiTourokuShubetsu, // architect qualifications
        JimushoTourokuShubetsuTbl = ZnAppComTblAccess::slotJimushoTourokuShubetsu,         // architect offices
        KensetsugyouKyokaTbl = ZnAppComTblAccess::slotKensetsugyouKyoka,                   // construction licences
        YoutoChiikiTbl = ZnAppComTblAccess::slotYoutoChiiki,                               // use zones
        ShoukoukiShubetsuTbl = ZnAppComTblAccess::slotShoukoukiShubetsu,                   // lift kinds
        ShoukoukiYoutoTbl = ZnAppComTblAccess::slotShoukoukiYouto,                         // lift usages
        TaikaShubetsuTbl = ZnAppComTblAccess::slotTaikaShubetsu,                           // fire-resistance classes
    };
    // The formal name of a code in one of the application's code tables; "" when no row has the
    // code or the table is not open.
    static CString CodeName(CodeTable table, const CString& code);

    // ZnAppDocFDOut11_SecondFace.cpp: the entries of the second-face lists, each built as a tree
    // of elements in the order that its list writes them, then written.

    // An element and everything in it, depth tabs deep.
    static void WriteElementTree(XmlText& xml, int depth, const Element& element);
    // 建築士基本情報 of an agent, designer or supervisor: qualification, name, office.
    static Element ArchitectBlock(const ZnModelDesigner& architect);
    // A constructor's name, its office with the licence (営業所) and the office's postal code,
    // address and telephone.
    static std::vector<Element> ConstructorFields(const ZnModelConstructor& constructor);

    // ZnAppDocFDOut11_ThirdFace.cpp: the blocks of the third face.

    // The site and its zones (敷地面積), the building area (建築面積情報) and the floor areas
    // (延べ面積情報1) of the site page, each two tabs deep.
    static void WriteSiteAreaBlock(XmlText& xml, const ZnModelAppSitePage& site);
    static void WriteBuildingAreaBlock(XmlText& xml, const ZnModelAppSitePage& site);
    static void WriteFloorAreaBlock(XmlText& xml, const ZnModelAppSitePage& site);
    // The specified construction stages (特定工程工事終了予定日リスト): the first stage, then the
    // stages of the list.
    static void WriteStageList(XmlText& xml, const ZnModelAppSitePage& site);

    // ZnAppDocFDOut11_LiftOutlineList.cpp: one entry of each outline list.
    static void WriteLiftOutline(XmlText& xml, const ZnModelLift& lift, int number);
    static void WriteStructOutline(XmlText& xml, const ZnModelStruct& structure);

    // ZnAppDocFDOut11_FourthFace.cpp: one building page (建築物及び工事別概要).
    static void WriteBuildingPage(XmlText& xml, const ZnModelAppBuildPage& page, int order);

    // ZnAppDocFDOut11_FifthFace.cpp: one floor of a building page (建築物の階別概要).
    static void WriteFloorSummary(XmlText& xml, const ZnModelAppBuildPage& page, const ZnModelAppFloorOutline& floor,
                                  int order);

    // ZnAppDocFDOut11_BuildingParts.cpp: parts that the third, fourth and fifth faces share.

    // 工事種別1, depth tabs deep: 新築 or 新築以外 by the first of the seven construction-kind
    // flags, then the list of the other six kinds set, in their order.
    static void WriteConstKinds(XmlText& xml, int depth, const int (&flags)[ZnModelConstKindFlags::count]);
    // 構造 three tabs deep, holding 主構造: the name of the structure-kind code (the code itself
    // when it has none) and the detail text.
    static void WriteMainStructure(XmlText& xml, const ZnModelAppStrKind& kind);
    // The applied part (申請部分), the other part (申請以外の部分) and the total (合計) of an area,
    // depth tabs deep, each "%.2f" with a written zero left empty.
    static void WriteAreaFigures(XmlText& xml, int depth, double appPart, double otherPart, double total);
    // A floor designation split into its kind, the first character (such as F or B, or a
    // double-byte character whole), and its number, the rest. Both are "" for "".
    static void SplitFloorText(const CString& floorText, CString& kind, CString& number);
    // 変更概要 with the summary, depth tabs deep, for a plan change (document type 1008) only.
    static void WriteChangeSummary(XmlText& xml, int depth, const CString& summary);
};
