#include "tests/editors/EditorTestSupport.h"

#include "editors/ZnDlgAppCMChimeiChiban.h"
#include "editors/ZnDlgAppCMGaiheki.h"
#include "editors/ZnDlgAppCMKenchikunushi.h"
#include "editors/ZnDlgAppCMSekkeisha.h"
#include "editors/ZnDlgAppCMSekousha.h"
#include "editors/ZnDlgAppCMSetsubisha.h"
#include "editors/ZnDlgAppCMShinseisha.h"
#include "editors/ZnDlgAppCMTokuteiKoutei.h"
#include "editors/ZnDlgAppCMYane.h"
#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"
#include "platform/database/DaoConnection.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/UserInput.h"
#include "res/CommonDataIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

template <class Editor> std::function<std::unique_ptr<ZnDlgAppCMEditor>()> Make()
{
    return [] { return std::unique_ptr<ZnDlgAppCMEditor>(new Editor); };
}

const char kKept[] = "Hyoujijun, ShokisentakuFlg, Bikou";

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }
CString Cp932(const std::string& utf8) { return CString(cp932::FromUtf8(utf8)); }

EditorCase Shinseisha()
{
    return {"Shinseisha",
            Make<ZnDlgAppCMShinseisha>(),
            IDD_CM_SHINSEISHA,
            u8"氏名",
            "AppShinseishaTbl",
            IDC_CD_SHIMEI,
            IDC_CD_FURIGANA,
            IDC_CD_LIST,
            {{IDC_CD_SHIMEI, "Shimei"}, {IDC_CD_FURIGANA, "Furigana"}},
            false,
            kKept,
            {u8"氏名", u8"フリガナ"},
            {u8"O'Brien", u8"佐藤", u8"かとう", u8"鈴木", u8"青木"},
            {u8"鈴木|ｽｽﾞｷ|1|0|null", u8"佐藤|ｻﾄｳ|2|-1|first", u8"青木|ｱｵｷ|3|0|", u8"O'Brien|ｵﾌﾞﾗｲｴﾝ|4|-1|quote",
             u8"かとう|ｶﾄｳ|5|0|null"},
            {u8"新井", u8"ｱﾗｲ"},
            u8"新井|ｱﾗｲ|null|0|null",
            u8"かとう２|ｶﾄｳ|null|0|null",
            u8"佐藤|ｻﾄｳ|null|0|null"};
}

EditorCase Kenchikunushi()
{
    return {"Kenchikunushi",
            Make<ZnDlgAppCMKenchikunushi>(),
            IDD_CM_KENCHIKUNUSHI,
            u8"氏名・官庁名",
            "AppKenchikunushiTbl",
            IDC_CD_SHIMEI,
            IDC_CD_FURIGANA,
            IDC_CD_LIST,
            {{IDC_CD_SHIMEI, "Shimei"},
             {IDC_CD_FURIGANA, "Furigana"},
             {IDC_CD_YUUBIN1, "YuubinBangou1"},
             {IDC_CD_YUUBIN2, "YuubinBangou2"},
             {IDC_CD_JUUSHO, "Juusho"},
             {IDC_CD_DENWA1, "DenwaBangou1"},
             {IDC_CD_DENWA2, "DenwaBangou2"},
             {IDC_CD_DENWA3, "DenwaBangou3"}},
            true,
            "Houjijun, ShokisentakuFlg, Bikou",
            {u8"氏名・官庁名", u8"フリガナ"},
            {u8"O'Hara", u8"国土交通省", u8"大阪市", u8"山田", u8"未納"},
            {u8"山田|ﾔﾏﾀﾞ|100|0001|東京都千代田区|03|1111|2222|13|1|0|null",
             u8"国土交通省|ｺｸﾄﾞｺｳﾂｳｼｮｳ|100|8918|大阪府|03|5253|8111|27|2|-1|first",
             u8"大阪市|ｵｵｻｶｼ|530|8201||06|6208|8181|27|3|0|", u8"O'Hara|ｵﾊﾗ|||||||-1|4|-1|quote",
             u8"未納|ﾐﾉｳ|||||||99|5|0|null"},
            {u8"新井", u8"ｱﾗｲ", "150", "0002", u8"渋谷区", "03", "3333", "4444"},
            u8"新井|ｱﾗｲ|150|0002|渋谷区|03|3333|4444|-1|null|0|null",
            u8"大阪市２|ｵｵｻｶｼ|530|8201||06|6208|8181|27|null|0|null",
            u8"国土交通省|ｺｸﾄﾞｺｳﾂｳｼｮｳ|100|8918|大阪府|03|5253|8111|27|null|0|null"};
}

EditorCase ChimeiChiban()
{
    return {"ChimeiChiban",
            Make<ZnDlgAppCMChimeiChiban>(),
            IDD_CM_CHIMEICHIBAN,
            u8"住所",
            "AppChimeiChibanTbl",
            IDC_CD_JUUSHO,
            IDC_CD_JUUSHO,
            IDC_CD_LIST,
            {{IDC_CD_JUUSHO, "Juusho"}, {IDC_CD_YUUBIN1, "YuubinBangou1"}, {IDC_CD_YUUBIN2, "YuubinBangou2"}},
            true,
            "ChimeiChibanCode, Hyoujijun, ShokisentakuFlg, Bikou",
            {u8"住所"},
            {u8"O'Neil St.", u8"大阪府大阪市北区", u8"さいたま市", u8"北海道札幌市", u8"東京都港区芝公園"},
            {u8"東京都港区芝公園|105|0011|13|C1|1|0|null", u8"大阪府大阪市北区|530|0001|27|C2|2|-1|first",
             u8"さいたま市|||-1|null|3|0|", u8"O'Neil St.|||11|C4|4|-1|quote", u8"北海道札幌市|060|0042|1|C5|5|0|null"},
            {u8"渋谷区道玄坂", "150", "0043"},
            u8"渋谷区道玄坂|150|0043|-1|null|null|0|null",
            u8"さいたま市２|||-1|null|null|0|null",
            u8"大阪府大阪市北区|530|0001|27|null|null|0|null"};
}

// The rows of the three editors with one "氏名" column: the fields' columns, the prefecture, the
// codes (Sekkeisha, Sekousha) and the kept columns.
EditorCase Sekkeisha()
{
    EditorCase c{
        "Sekkeisha",
        Make<ZnDlgAppCMSekkeisha>(),
        IDD_CM_SEKKEISHA,
        u8"氏名",
        "AppSekkeishaTbl",
        IDC_CD_SEKKEISHA_SHIMEI,
        IDC_CD_SEKKEISHA_SHIMEI,
        IDC_CD_SEKKEISHA_LIST,
        {{IDC_CD_SEKKEISHA_SHIMEI, "Shimei"},
         {IDC_CD_KENCHIKUSHI_BANGOU, "KenchikushiTourokuBangou"},
         {IDC_CD_JIMUSHO_BANGOU, "JImushoTourokuBangou"},
         {IDC_CD_MEISHOU, "Meishou"},
         {IDC_CD_YUUBIN1, "YuubinBangou1"},
         {IDC_CD_YUUBIN2, "YuubinBangou2"},
         {IDC_CD_JUUSHO, "Shozaoti"},
         {IDC_CD_DENWA1, "DenwaBangou1"},
         {IDC_CD_DENWA2, "DenwaBangou2"},
         {IDC_CD_DENWA3, "DenwaBangou3"}},
        true,
        kKept,
        {u8"氏名"},
        {u8"O'Neil", u8"建築太郎", u8"加藤", u8"山本", u8"田中"},
        {u8"山本|111|J111|山本設計|100|0001|東京都千代田区|03|1111|2222|13|00101|00213|00301|00413|1|0|null",
         u8"建築太郎|222|J222|建築事務所|530|0001|大阪府大阪市|06|3333|4444|27|00102|00200|00302|00499|2|-1|first",
         u8"加藤||||||||||-1|09999||||3|0|", u8"O'Neil|444|J444|Neil Arch|||||||1|00103|00201|00303|00401|4|-1|quote",
         u8"田中|555|||||||||99|||||5|0|null"},
        {u8"新人", "333", "J333", u8"新設計", "150", "0002", u8"渋谷区", "03", "3333", "4444"},
        u8"新人|333|J333|新設計|150|0002|渋谷区|03|3333|4444|-1|||||null|0|null",
        u8"加藤２||||||||||-1|09999||||null|0|null",
        u8"建築太郎|222|J222|建築事務所|530|0001|大阪府大阪市|06|3333|4444|27|00102|00200|00302|00499|null|0|null"};
    c.codes = {{IDC_CD_KENCHIKUSHI_SHIKAKU, "KenchikushiShikaku"},
               {IDC_CD_KENCHIKUSHI_SHUBETSU, "SekkeishaTourokuShubetsu"},
               {IDC_CD_JIMUSHO_SHIKAKU, "JimushoShikaku"},
               {IDC_CD_JIMUSHO_SHUBETSU, "JimushoTourokuShubetsu"}};
    return c;
}

EditorCase Setsubisha()
{
    return {"Setsubisha",
            Make<ZnDlgAppCMSetsubisha>(),
            IDD_CM_SETSUBISHA,
            u8"氏名",
            "AppSetsubishaTbl",
            IDC_CD_SHIMEI,
            IDC_CD_SHIMEI,
            IDC_CD_LIST,
            {{IDC_CD_SHIMEI, "Shimei"},
             {IDC_CD_TOUROKU_BANGOU, "TourokuBangou"},
             {IDC_CD_KINMUSAKI, "Kinmusaki"},
             {IDC_CD_YUUBIN1, "YuubinBangou1"},
             {IDC_CD_YUUBIN2, "YuubinBangou2"},
             {IDC_CD_JUUSHO, "Shozaiti"},
             {IDC_CD_DENWA1, "DenwaBangou1"},
             {IDC_CD_DENWA2, "DenwaBangou2"},
             {IDC_CD_DENWA3, "DenwaBangou3"}},
            true,
            kKept,
            {u8"氏名"},
            {u8"O'Brien", u8"設備一郎", u8"井上", u8"渡辺", u8"高橋"},
            {u8"高橋|S-1|高橋設備|100|0005|東京都千代田区|03|5555|6666|13|1|0|null",
             u8"設備一郎|S-2|設備研究所|530|0002|大阪府大阪市|06|7777|8888|27|2|-1|first", u8"井上|||||||||-1|3|0|",
             u8"O'Brien|S-4|Brien Eng|||||||11|4|-1|quote", u8"渡辺|S-5||||||||99|5|0|null"},
            {u8"新人", "S-9", u8"新設備", "150", "0002", u8"渋谷区", "03", "3333", "4444"},
            u8"新人|S-9|新設備|150|0002|渋谷区|03|3333|4444|-1|null|0|null",
            u8"井上２|||||||||-1|null|0|null",
            u8"設備一郎|S-2|設備研究所|530|0002|大阪府大阪市|06|7777|8888|27|null|0|null"};
}

EditorCase Sekousha()
{
    EditorCase c{"Sekousha",
                 Make<ZnDlgAppCMSekousha>(),
                 IDD_CM_SEKOUSHA,
                 u8"氏名",
                 "AppSekoushaTbl",
                 IDC_CD_SEKKEISHA_SHIMEI,
                 IDC_CD_SEKKEISHA_SHIMEI,
                 IDC_CD_SEKKEISHA_LIST,
                 {{IDC_CD_SEKKEISHA_SHIMEI, "Shimei"},
                  {IDC_CD_TOUROKU_BANGOU, "TourokuBangou"},
                  {IDC_CD_MEISHOU, "Meishou"},
                  {IDC_CD_YUUBIN1, "YuubinBangou1"},
                  {IDC_CD_YUUBIN2, "YuubinBangou2"},
                  {IDC_CD_JUUSHO, "Shozaiti"},
                  {IDC_CD_DENWA1, "DenwaBangou1"},
                  {IDC_CD_DENWA2, "DenwaBangou2"},
                  {IDC_CD_DENWA3, "DenwaBangou3"}},
                 true,
                 kKept,
                 {u8"氏名"},
                 {u8"O'Connor", u8"建設花子", u8"中村組", u8"伊藤", u8"木村"},
                 {u8"中村組|K-1|中村建設|100|0006|東京都千代田区|03|1212|3434|13|00513|1|0|null",
                  u8"建設花子|K-2|花子工務店|530|0003|大阪府大阪市|06|5656|7878|27|00527|2|-1|first",
                  u8"伊藤|||||||||-1|09999|3|0|", u8"O'Connor|K-4|Connor Co.|||||||1|00500|4|-1|quote",
                  u8"木村|K-5||||||||99||5|0|null"},
                 {u8"新人組", "K-9", u8"新建設", "150", "0002", u8"渋谷区", "03", "3333", "4444"},
                 u8"新人組|K-9|新建設|150|0002|渋谷区|03|3333|4444|-1||null|0|null",
                 u8"中村組２|K-1|中村建設|100|0006|東京都千代田区|03|1212|3434|13|00513|null|0|null",
                 u8"建設花子|K-2|花子工務店|530|0003|大阪府大阪市|06|5656|7878|27|00527|null|0|null"};
    c.codes = {{IDC_CD_KYOKA_SHUBETSU, "KensetsugyouKyokaShubetsu"}};
    return c;
}

EditorCase Phrase(std::string name, std::function<std::unique_ptr<ZnDlgAppCMEditor>()> make, UINT idd,
                  std::string label, std::string table, UINT edit, UINT list, std::vector<std::string> listed,
                  std::vector<std::string> rows, std::string input, std::string newRow, std::string copied,
                  std::string copiedElsewhere)
{
    return {std::move(name),
            std::move(make),
            idd,
            label,
            std::move(table),
            edit,
            edit,
            list,
            {{edit, "KoumokuMei"}},
            false,
            kKept,
            {label},
            std::move(listed),
            std::move(rows),
            {std::move(input)},
            std::move(newRow),
            std::move(copied),
            std::move(copiedElsewhere)};
}

} // namespace

void PrintTo(const EditorCase& c, std::ostream* os) { *os << c.name; }

std::vector<EditorCase> EditorCases()
{
    return {Shinseisha(),
            Kenchikunushi(),
            Sekkeisha(),
            Setsubisha(),
            Sekousha(),
            ChimeiChiban(),
            Phrase("Yane", Make<ZnDlgAppCMYane>(), IDD_CM_YANE, u8"屋根", "AppYaneTbl", IDC_CD_YANE, IDC_CD_YANE_LIST,
                   {u8"Metal 'G'", u8"スレート葺", u8"かや葺", u8"瓦葺", u8"金属板葺"},
                   {u8"瓦葺|1|0|null", u8"スレート葺|2|-1|first", u8"かや葺|3|0|", u8"Metal 'G'|4|-1|quote",
                    u8"金属板葺|5|0|null"},
                   u8"銅板葺", u8"銅板葺|null|0|null", u8"かや葺２|null|0|null", u8"スレート葺|null|0|null"),
            Phrase("Gaiheki", Make<ZnDlgAppCMGaiheki>(), IDD_CM_GAIHEKI, u8"外壁・軒裏", "AppGaihekiTbl",
                   IDC_CD_GAIHEKI, IDC_CD_GAIHEKI_LIST,
                   {u8"ALC '50'", u8"サイディング", u8"しっくい", u8"モルタル", u8"板張"},
                   {u8"モルタル|1|0|null", u8"サイディング|2|-1|first", u8"しっくい|3|0|", u8"ALC '50'|4|-1|quote",
                    u8"板張|5|0|null"},
                   u8"タイル張", u8"タイル張|null|0|null", u8"しっくい２|null|0|null", u8"サイディング|null|0|null"),
            Phrase("TokuteiKoutei", Make<ZnDlgAppCMTokuteiKoutei>(), IDD_CM_TOKUTEIKOUTEI, u8"特定工程名",
                   "AppTokuteiKouteiTbl", IDC_CD_TOKUTEIKOUTEI, IDC_CD_TOKUTEIKOUTEI_LIST,
                   {u8"Roof 'A'", u8"二階床", u8"くい打ち", u8"基礎配筋", u8"屋根工事"},
                   {u8"基礎配筋|1|0|null", u8"二階床|2|-1|first", u8"くい打ち|3|0|", u8"Roof 'A'|4|-1|quote",
                    u8"屋根工事|5|0|null"},
                   u8"上棟", u8"上棟|null|0|null", u8"くい打ち２|null|0|null", u8"二階床|null|0|null")};
}

std::vector<EditorCase> AddressEditorCases()
{
    return {Kenchikunushi(), Sekkeisha(), Setsubisha(), Sekousha(), ChimeiChiban()};
}

EditorTest::EditorTest()
{
    AfxImmReset();
    for (const char* name : {"app", "com", "other"})
        mkdir(folder.Path(name).c_str(), 0777);
    shell.appFolder = Windows("app");
    shell.comFolder = Windows("com");
}

EditorTest::~EditorTest()
{
    Close();
    AfxImmReset();
}

CString EditorTest::Windows(const std::string& relative) const
{
    return CString(LinuxPathToWin(folder.Path(relative)));
}

void EditorTest::Open(const std::string& rows, bool withAreas)
{
    if (!rows.empty())
        DaoCreateDatabase(Windows("com/APP_USER_REGIST.mdb"),
                          appUserRegistSchema + testsupport::ReadFileBytes(testsupport::DataPath(rows)));
    DaoCreateDatabase(Windows("app/APP_USER_REGIST.mdb"), appUserRegistSchema);
    struct stat info;
    if (withAreas && stat(folder.Path("app/COM_CHIIKI.mdb").c_str(), &info) != 0)
        DaoCreateDatabase(Windows("app/COM_CHIIKI.mdb"),
                          comChiikiSchema +
                              testsupport::ReadFileBytes(testsupport::DataPath("editors/ComChiikiRows.sql")));
    m_host = new CFrameWnd;
    ASSERT_TRUE(m_host->Create(nullptr, "host"));
    m_host->ShowWindow(SW_SHOW);
    m_editor = Case().make();
    ASSERT_TRUE(m_editor->Create(Case().idd, m_host));
    m_editor->ShowWindow(SW_SHOW);
}

void EditorTest::Close()
{
    if (m_editor && m_editor->m_hWnd)
        m_editor->DestroyWindow();
    m_editor.reset();
    if (m_host)
        m_host->DestroyWindow();
    m_host = nullptr;
}

void EditorTest::Click(UINT id) { EXPECT_TRUE(UserInput::Click(*m_editor, static_cast<int>(id))) << id; }

void EditorTest::Select(const std::string& key)
{
    CListCtrl& list = m_editor->GetList();
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (Utf8(list.GetItemText(i, 0)) == key) {
            EXPECT_TRUE(UserInput::ClickListItem(list, i));
            return;
        }
    ADD_FAILURE() << "no list row " << key;
}

void EditorTest::Type(UINT id, const std::string& text)
{
    EXPECT_TRUE(UserInput::EditText(*m_editor->GetDlgItem(static_cast<int>(id)), Cp932(text))) << id;
}

void EditorTest::TypeInput(const std::string& key)
{
    for (size_t i = 0; i < Case().fields.size(); ++i)
        Type(Case().fields[i].first, i == 0 && !key.empty() ? key : Case().input[i]);
}

std::vector<std::string> EditorTest::Listed() const
{
    std::vector<std::string> keys;
    CListCtrl& list = m_editor->GetList();
    for (int i = 0; i < list.GetItemCount(); ++i)
        keys.push_back(Utf8(list.GetItemText(i, 0)));
    return keys;
}

std::string EditorTest::Text(UINT id) const
{
    CString text;
    m_editor->GetDlgItemText(static_cast<int>(id), text);
    return Utf8(text);
}

std::string EditorTest::Fields() const
{
    std::string texts;
    for (const auto& field : Case().fields)
        texts += (&field == &Case().fields.front() ? "" : "|") + Text(field.first);
    return texts;
}

int EditorTest::FocusId() const
{
    CWnd* focus = CWnd::GetFocus();
    return focus ? focus->GetDlgCtrlID() : 0;
}

std::vector<std::string> EditorTest::Table(const std::string& path) const
{
    std::string columns;
    for (const auto& field : Case().fields)
        columns += field.second + ", ";
    if (Case().prefecture)
        columns += "TodoufukenmeiBangou, ";
    for (const auto& code : Case().codes)
        columns += code.second + ", ";
    columns += Case().kept;
    auto connection = DaoConnection::OpenFile(Windows(path), true);
    std::vector<std::string> rows;
    for (const auto& row : connection->Query("SELECT " + columns + " FROM " + Case().table + " ORDER BY rowid").rows) {
        std::string line;
        for (const DaoValue& value : row) {
            if (&value != &row.front())
                line += "|";
            if (value.kind == DaoValue::Null)
                line += "null";
            else if (value.kind == DaoValue::Integer)
                line += std::to_string(value.integer);
            else
                line += value.bytes;
        }
        rows.push_back(line);
    }
    return rows;
}

std::string EditorTest::NewRow(const std::string& key) const
{
    EXPECT_EQ(0u, Case().newRow.compare(0, Case().input[0].size() + 1, Case().input[0] + "|")) << Case().newRow;
    return key + Case().newRow.substr(Case().input[0].size());
}

std::vector<std::string> EditorTest::Messages()
{
    std::vector<std::string> texts;
    for (const MessageBoxRequest& request : ui.messageBoxes) {
        std::string icon;
        switch (request.type & MB_ICONMASK) {
        case MB_ICONSTOP:
            icon = "error";
            break;
        case MB_ICONQUESTION:
            icon = "question";
            break;
        case MB_ICONEXCLAMATION:
            icon = "exclamation";
            break;
        case MB_ICONINFORMATION:
            icon = "information";
            break;
        default:
            icon = "none";
        }
        if ((request.type & MB_TYPEMASK) == MB_OKCANCEL)
            icon += ",okcancel";
        texts.push_back(Utf8(request.text) + " [" + icon + "]");
    }
    ui.messageBoxes.clear();
    return texts;
}

std::string EditorTest::Labelled(const std::string& format) const
{
    std::string text = format;
    for (size_t at = text.find('L'); at != std::string::npos; at = text.find('L', at + Case().label.size()))
        text.replace(at, 1, Case().label);
    return text;
}

std::vector<std::string> EditorTest::Entries(const std::string& relative) const
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.Path(relative).c_str())) {
        while (dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.push_back(entry->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> EditorTest::FixtureRowsWithout(const std::string& key) const
{
    std::vector<std::string> rows;
    for (const std::string& row : Case().rows)
        if (row.compare(0, key.size() + 1, key + "|") != 0)
            rows.push_back(row);
    return rows;
}

void EditorTest::DeleteBehindTheEditor(const std::string& key) const
{
    auto connection = DaoConnection::OpenFile(Windows("com/APP_USER_REGIST.mdb"), false);
    connection->Change("DELETE FROM " + Case().table + " WHERE " + Case().fields[0].second + " = ?",
                       {DaoValue::FromText(key)});
}
