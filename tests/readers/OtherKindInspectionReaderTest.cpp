// The readers of the interim and completion inspection forms of the other object kinds, over
// numbered form files, and the inspection readers over damaged forms.
#include "tests/readers/BoundedChild.h"
#include "tests/readers/InspectionReaderTestSupport.h"

#include "readers/VhString.h"
#include "readers/ZnOldFormReaderCompInspConf.h"
#include "readers/ZnOldFormReaderCompInspConfSub.h"
#include "readers/ZnOldFormReaderRegInspConf.h"
#include "readers/ZnOldFormReaderRegInspConfSub.h"

using namespace inspreadertest;

namespace {

// Three numbered form files of an interim inspection of another kind: each its own owner and
// certificate records. The second file's certificate is appended twice and changed by the second
// issuer record; the third file's is changed after it was appended.
void WriteThreeInterimFiles(const Floppy& floppy)
{
    floppy.Write("Ksq001.280", "#28010,\"イチ\",\"一\",\"1\",\"2\",\"3\"\n"
                               "#28100,\"12345\"\n#28110,\"02150410\"\n#28120,\"ソ主事\"\n"
                               "#28200,\"ベツ\",\"別\",\"1\",\"2\",\"3\"");
    floppy.Write("Ksq002.280", "#28010,\"ニ\",\"二\",\"1\",\"2\",\"3\"\n"
                               "#28110,\"02150411\"\n#28120,\"早い\"\n"
                               "#28100,\"222\"\n#28110,\"02150412\"\n#28120,\"ポ機関\"\n#28120,\"表機関\"");
    floppy.Write("ksq003.280", "#28200,\"サン\",\"三\",\"1\",\"2\",\"3\"\n"
                               "#28100,\"第1号\"\n#28120,\"三機関\"\n#28110,\"02150413\"");
}

} // namespace

TEST(OtherKindInspectionReader, ReadsTheNumberedFiles)
{
    for (int files = 1; files <= 3; ++files) {
        SCOPED_TRACE(files);
        Floppy floppy;
        WriteThreeInterimFiles(floppy);
        if (files < 3)
            std::filesystem::remove(floppy.Form("ksq003.280"));
        if (files < 2)
            std::filesystem::remove(floppy.Form("Ksq002.280"));
        auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100102");
        std::string listing = ListingOf(*reader);
        std::vector<std::string> expected[] = {
            {"header\t5|100102", "header.groups.count\t1", "header.groups[0]\t12345||02:0-0-0|||02:0-0-0|",
             "owner\tイチ|一|1|1|2|3|3|3", "owners.count\t1", "owners[0]\tベツ|別|1|1|2|3|3|3",
             "certificate\t12345|02:2003-4-10|ソ主事", "certificates.count\t0", "base\tnull"},
            {"header.groups.count\t2", "header.groups[1]\t222||02:0-0-0|||02:0-0-0|", "owner\tニ|二|1|1|2|3|3|3",
             "owners.count\t0", "certificate\t12345|02:2003-4-10|ソ主事", "certificates.count\t2",
             "certificates[0]\t222|02:2003-4-12|表機関", "certificates[1]\t222|02:2003-4-12|表機関"},
            {"header.groups.count\t3", "header.groups[2]\t0||02:0-0-0|||02:0-0-0|", "owner\t|||||||",
             "owners[0]\tサン|三|1|1|2|3|3|3", "certificates.count\t3", "certificates[0]\t222|02:2003-4-12|表機関",
             "certificates[2]\t第1号|02:2003-4-13|三機関", "certificate\t12345|02:2003-4-10|ソ主事"}};
        for (const std::string& line : expected[files - 1]) {
            std::string key = line.substr(0, line.find('\t'));
            EXPECT_EQ(cp932::ToUtf8(line), Line(listing, key));
        }
    }
}

TEST(OtherKindInspectionReader, CertificateReachesTheResultOnlyByTheLastFilesIssuerRecord)
{
    Floppy floppy;
    floppy.Write("Ksq001.280", "#28100,\"1\"\n#28120,\"一\"");
    floppy.Write("Ksq002.280", "#28100,\"2\"\n#28110,\"02150412\"");
    auto app = Read(*floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100103"));
    ASSERT_TRUE(app);
    EXPECT_EQ(CString(), app->m_confCert.m_number);
    EXPECT_EQ(0, app->m_confCertList.GetCount());
    EXPECT_EQ(2, app->m_header.m_localData.m_buildingNumGroups.GetCount());
}

// A floppy of many files after one of many certificates reads in time: the certificates reach
// the object of the last file alone.
TEST(OtherKindInspectionReader, ManyFilesOfManyCertificatesReadInTime)
{
    Floppy floppy;
    floppy.Write("Ksq001.280", "");
    std::string certificates;
    for (int i = 0; i < 35000; ++i)
        certificates += "#28100,\"1\"\n#28120,\"i\"\n";
    floppy.Write("Ksq002.280", certificates);
    for (int n = 3; n <= 1400; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Ksq%03d.280", n);
        floppy.Write(name, "");
    }
    auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100102");
    EXPECT_EQ("true", readertest::RunBounded(
                          [&] {
                              std::unique_ptr<ZnModelAppInspConf> app = Read(*reader);
                              return app && app->m_confCertList.GetCount() == 35000 &&
                                     app->m_header.m_localData.m_buildingNumGroups.GetCount() == 35000;
                          },
                          1024, 30));
}

TEST(OtherKindInspectionReader, FilesThatCannotAllBeReadGiveNull)
{
    Floppy floppy;
    auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100104");
    EXPECT_EQ(nullptr, Read(*reader));
    // A gap in the numbers: the second file is missing.
    WriteThreeInterimFiles(floppy);
    std::filesystem::remove(floppy.Form("Ksq002.280"));
    EXPECT_EQ(nullptr, Read(*reader));
    // A folder whose name matches is not counted.
    std::filesystem::remove(floppy.Form("ksq003.280"));
    mkdir(floppy.Form("Ksq002.280").c_str(), 0700);
    auto app = Read(*reader);
    ASSERT_TRUE(app);
    EXPECT_EQ(CString("12345"), app->m_confCert.m_number);
}

TEST(OtherKindInspectionReader, KindsDifferOnlyInTheirCode)
{
    for (bool completion : {false, true}) {
        Floppy floppy;
        floppy.Copy("Ksq001.280", "Ksq001.280");
        floppy.Copy("Ksq001.210", "Ksq001.210");
        floppy.Write("Ksq002.280", "#28120,\"二\"");
        floppy.Write("Ksq002.210", "#21120,\"二\"");
        std::string first;
        for (int kind = 2; kind <= 6; ++kind) {
            CString code;
            code.Format("10%s0%d", completion ? "02" : "01", kind);
            SCOPED_TRACE(code.Bytes());
            std::string listing;
            if (completion)
                listing = ListingOf(*floppy.MakeReader<ZnOldFormReaderCompInspConfSub>(code));
            else
                listing = ListingOf(*floppy.MakeReader<ZnOldFormReaderRegInspConfSub>(code));
            ASSERT_EQ(0u, listing.find("header\t5|" + code.Bytes() + "\n"));
            listing = listing.substr(listing.find('\n'));
            if (first.empty())
                first = listing;
            EXPECT_EQ(first, listing);
        }
        // Groups of every certificate number record; the second file's issuer record gives the
        // first file's certificate as that file left it, with the number and date after its last
        // issuer record.
        EXPECT_NE(std::string::npos, first.find("header.groups.count\t3\n"));
        EXPECT_NE(std::string::npos, first.find(cp932::ToUtf8("certificate\t第999号|02:2004-1-1|ポ確認検査機関\n")));
    }
}

TEST(OtherKindInspectionReader, StructureCompletionEmbedsItsSemiStructureConfirmation)
{
    Floppy floppy;
    for (const char* name : {"Ksq001.210", "Ksq002.210", "Ksq003.210"})
        floppy.Write(name, "#21100,\"7\"\n#21120,\"ソ\"");
    floppy.Write("Ksq001.190", "#19000");
    auto reader = floppy.MakeReader<ZnOldFormReaderCompInspConfSub>("100206");
    reader->SetConfReaders(StubConfReaders());
    auto app = Read(*reader);
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->m_baseApp);
    EXPECT_STREQ("ZnModelAppSemiStr", app->m_baseApp->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(CString("3"), lastCall.buildings);
    EXPECT_EQ(CString("100206"), lastCall.code);
    EXPECT_EQ(std::vector<CString>{"R1"}, lastCall.rowNumbers);
    // The embedded application's groups carry building number 1; the inspection keeps its own header.
    const ZnModelNumGroupList& groups = app->m_baseApp->m_header.m_localData.m_buildingNumGroups;
    ASSERT_EQ(3, groups.GetCount());
    for (POSITION pos = groups.GetHeadPosition(); pos;)
        EXPECT_EQ(1, groups.GetNext(pos)->m_itemNumber);
    EXPECT_EQ(CString(), app->m_header.m_firstText);
    EXPECT_EQ(3, app->m_header.m_localData.m_buildingNumGroups.GetCount());

    // The other kinds embed nothing, and without its form file the structure's is null.
    EXPECT_FALSE(Read(*floppy.MakeReader<ZnOldFormReaderCompInspConfSub>("100205"))->m_baseApp);
    std::filesystem::remove(floppy.Form("Ksq001.190"));
    app = Read(*reader);
    ASSERT_TRUE(app);
    EXPECT_FALSE(app->m_baseApp);
}

TEST(InspectionReaderRobustness, ReadsDamagedFormsWhole)
{
    for (const char* extension : {"280", "210"}) {
        SCOPED_TRACE(extension);
        std::string fixture = std::string("Ksq001.") + extension;
        std::string bytes = testsupport::ReadFileBytes(testsupport::DataPath("readers/inspection/Keikaku/" + fixture));
        bool completion = std::string(extension) == "210";
        Floppy floppy;
        std::unique_ptr<ZnOldFormReader> building, other;
        if (completion) {
            building = floppy.MakeReader<ZnOldFormReaderCompInspConf>("100201");
            other = floppy.MakeReader<ZnOldFormReaderCompInspConfSub>("100202");
        } else {
            building = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
            other = floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100102");
        }
        testsupport::ForEachDamagedCopy(
            bytes, 60,
            [&](const std::string& damaged) {
                // The damaged form as the first file and as a later one.
                testsupport::WriteFileBytes(floppy.Form(fixture), damaged);
                testsupport::WriteFileBytes(floppy.Form(std::string("Ksq002.") + extension), damaged);
                EXPECT_TRUE(Read(*building));
                EXPECT_TRUE(Read(*other));
            },
            24);
        EXPECT_EQ('|', VhString::GetSeparator());
    }
}
