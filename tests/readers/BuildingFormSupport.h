// What the building form tests share: the hand-made floppy of a building confirmation, and the
// model's values written out as text ("|" between values) to compare whole.
#pragma once

#include "tests/readers/ReaderTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"

#include <cstdio>
#include <memory>
#include <string>

namespace buildingtest {

// The hand-made floppy folder.
inline CString Floppy() { return readertest::WinFolder(testsupport::DataPath("readers/building")); }

inline std::string Text(const CString& value) { return static_cast<LPCTSTR>(value); }

inline std::string Number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

template <typename First, typename... Rest> std::string Join(const First& first, const Rest&... rest)
{
    std::string text = first;
    ((text += "|" + std::string(rest)), ...);
    return text;
}

inline std::string Of(const JkModelName& name) { return Join(Text(name.m_name), Text(name.m_nameReading)); }

inline std::string Of(const JkModelIndividualData& person)
{
    const JkModelAddress& address = person.m_address;
    const JkModelTelNumber& telephone = person.m_telephone;
    return Join(Of(person.m_name), Text(address.m_postalCode1), Text(address.m_postalCode2), Text(address.m_address),
                Text(telephone.m_firstPart), Text(telephone.m_secondPart), Text(telephone.m_thirdPart));
}

inline std::string Of(const ZnModelOwner& owner) { return Of(owner.m_person); }

inline std::string Of(const ZnModelDesigner& architect)
{
    return Join(Text(architect.m_qualificationClass.m_code), Text(architect.m_qualificationAuthority.m_code),
                Text(architect.m_qualificationRegistrationNumber), Of(architect.m_architectName),
                Text(architect.m_officeClass.m_code), Text(architect.m_officeAuthority.m_code),
                Text(architect.m_officeRegistrationNumber), Of(architect.m_office));
}

inline std::string Of(const ZnModelEquipDesigner& adviser)
{
    return Join(Of(adviser.m_name), Text(adviser.m_registrationNumber), Of(adviser.m_individualData));
}

inline std::string Of(const ZnModelConstructor& constructor)
{
    return Join(Of(constructor.m_name), Text(constructor.m_licenceIssuer.m_code),
                Text(constructor.m_registrationNumber), Of(constructor.m_individualData));
}

inline std::string Of(const ZnModelArea& area) { return Join(Number(area.m_appPart), Number(area.m_otherPart)); }

inline std::string Of(const ZnModelDate& date) { return Text(date.GetDateString()); }

inline std::string Of(const ZnModelInspDate& stage)
{
    return Join(std::to_string(stage.m_count), Of(stage.m_date), Text(stage.m_name));
}

inline std::string Of(const ZnModelAppStrKind& kind)
{
    return Join(Text(kind.m_strKindCode.m_code), Text(kind.m_text));
}

inline std::string Of(const ZnModelAppUsage& usage) { return Join(Text(usage.m_usageCode.m_code), Text(usage.m_text)); }

inline std::string Of(const ZnModelAppEachZone& zone)
{
    return Join(Number(zone.m_area), Text(zone.m_areaText), std::to_string(zone.m_area2Omitted),
                Text(zone.m_useZoneCode.m_code), Number(zone.m_designatedFloorAreaRatio), Number(zone.m_coverageRatio));
}

inline std::string Of(const ZnModelLift& lift)
{
    return Join(std::to_string(lift.m_leadingValue), Text(lift.m_kindCode.m_code), Text(lift.m_kindText),
                Text(lift.m_usageCode.m_code), Text(lift.m_usageText), Number(lift.m_loadCapacity),
                std::to_string(lift.m_maxPersons), Number(lift.m_ratedSpeed), Text(lift.m_otherMatters));
}

inline std::string Of(const ZnModelEquip& equipment)
{
    return Join(std::to_string(equipment.m_leadingValue), Text(equipment.m_text1), Text(equipment.m_text2));
}

inline std::string Of(const ZnModelStruct& s)
{
    return Join(std::to_string(s.m_leadingValue), Text(s.m_kindCode.m_code), Text(s.m_kindText), Number(s.m_height),
                Text(s.m_structureDetail),
                Join(std::to_string(s.m_newBuild), Text(s.m_newBuildText), std::to_string(s.m_extension),
                     Text(s.m_extensionText), std::to_string(s.m_rebuild), Text(s.m_rebuildText),
                     std::to_string(s.m_otherKind), Text(s.m_otherKindText)),
                Text(s.m_remarks));
}

inline std::string Of(const ZnModelAppUseFloorArea& area)
{
    return Join(Text(area.m_usageCode.m_code), Text(area.m_text), Number(area.m_floorArea));
}

// The entries of a list; declared before the floors, which hold a list of their own.
template <typename E> std::vector<std::string> Of(const ZnModelList<E>& list);

inline std::string Of(const ZnModelAppFloorOutline& floor)
{
    std::string usages;
    for (const std::string& usage : Of(floor.m_useFloorAreaList))
        usages += "[" + usage + "]";
    return Join(Text(floor.m_floorText), Of(floor.m_floorArea), std::to_string(floor.m_columnDiameter),
                std::to_string(floor.m_beamDistance), std::to_string(floor.m_floorHeight),
                std::to_string(floor.m_ceilingHeight), usages, Text(floor.m_otherMatters), Text(floor.m_remarks),
                Text(floor.m_text1));
}

inline std::string Of(const ZnModelNumGroup& group)
{
    return Join(std::to_string(group.m_itemNumber), Text(group.m_firstNumber.m_number));
}

// The bytes of the document stored through the archive.
inline std::string Stored(ZnModel& model)
{
    return testsupport::StoreToBytes([&](CArchive& ar) { model.Serialize(ar); });
}

// Loads the document stored into loaded and expects it to store to the same bytes again.
inline void ExpectLoadsBackWhole(ZnModel& document, ZnModel& loaded)
{
    std::string stored = Stored(document);
    testsupport::LoadFromBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(testsupport::Hex(stored), testsupport::Hex(Stored(loaded)));
}

template <typename E> std::vector<std::string> Of(const ZnModelList<E>& list)
{
    std::vector<std::string> entries;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        entries.push_back(Of(*list.GetNext(pos)));
    return entries;
}

template <std::size_t count> std::string Flags(const int (&flags)[count])
{
    std::string text;
    for (int flag : flags)
        text += std::to_string(flag);
    return text;
}

} // namespace buildingtest

#include <filesystem>

namespace buildingtest {

// A copy of the hand-made floppy in a temporary folder, whose form files a test replaces, and
// readers set up on it as the inspection readers set theirs up.
class FloppyCopy {
public:
    FloppyCopy()
    {
        std::filesystem::copy(testsupport::DataPath("readers/building"), m_folder.Path(),
                              std::filesystem::copy_options::recursive);
    }

    // Replaces a form file of the folder with the given CP932 text.
    void Write(const std::string& form, const std::string& text) const
    {
        testsupport::WriteFileBytes(m_folder.Path("Keikaku/" + form), text);
    }
    // The text of a form file without its lines that hold the given text.
    std::string Without(const std::string& form, const std::string& text) const
    {
        std::string bytes = testsupport::ReadFileBytes(m_folder.Path("Keikaku/" + form));
        std::string kept;
        for (size_t start = 0; start < bytes.size();) {
            size_t end = bytes.find('\n', start);
            end = end == std::string::npos ? bytes.size() : end + 1;
            std::string line = bytes.substr(start, end - start);
            if (line.find(text) == std::string::npos)
                kept += line;
            start = end;
        }
        return kept;
    }
    // Replaces the index file with the given CP932 text.
    void WriteIndex(const std::string& text) const
    {
        testsupport::WriteFileBytes(m_folder.Path("Info/filename.iba"), text);
    }
    CString Base() const { return readertest::WinFolder(m_folder.Path()); }
    void Rename(const std::string& form, const std::string& name) const
    {
        std::filesystem::rename(m_folder.Path("Keikaku/" + form), m_folder.Path("Keikaku/" + name));
    }
    void Remove(const std::string& form) const { std::filesystem::remove(m_folder.Path("Keikaku/" + form)); }

    // Sets the reader up on the folder: the base path, the form folder, the document-kind code,
    // the number of buildings, the data version and the rows' numbers.
    void SetUp(ZnOldFormReader& reader, const CString& buildings, const CString& version = "6.40") const
    {
        reader.m_basePath = Base();
        reader.m_formFolder = "Keikaku\\";
        reader.m_appTypeCode = "100001";
        reader.m_indexColumns[ZnOldFormReader::columnBuildings] = buildings;
        reader.m_indexColumns[ZnOldFormReader::columnVersion] = version;
        reader.m_rowNumbers.Add("R-101");
        reader.m_rowNumbers.Add("R-102");
    }

    // What a reader of the class set up on the folder reads (null when it reads nothing).
    template <typename Reader, typename Document = ZnModelAppBuildConf>
    std::unique_ptr<Document> Read(const CString& buildings = "2", const CString& version = "6.40") const
    {
        Reader reader;
        SetUp(reader, buildings, version);
        return std::unique_ptr<Document>(static_cast<Document*>(reader.Read()));
    }

private:
    testsupport::TempFolder m_folder;
};

} // namespace buildingtest
