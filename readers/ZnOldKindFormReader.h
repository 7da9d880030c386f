// What the readers of the lift, lift-of-a-structure, equipment, structure and semi-structure
// forms have in common; each of them differs only in its Kind. Read creates the object, reads
// the plan-change page first when the kind has one (the last record of its certificate item with
// five fields gives the confirmation amended and the summary), then the kind's form from its
// first line, and fills the header from the index. A form that does not open, or an index count
// that no floppy can hold, gives null and leaves nothing allocated; an exception leaves nothing
// allocated either.
#pragma once

#include "model/ZnModelAppPlanChange.h"
#include "readers/ZnOldFormReader.h"

#include <memory>
#include <type_traits>

class ZnOldKindFormReader : public ZnOldFormReader {
public:
    // Where the building number that SetAppCommon writes comes from.
    enum BuildingNumber {
        numberFromItems, // 1 unless the form's lift or structure items give one (the last wins)
        numberOne,       // always 1
    };
    struct Kind {
        LPCTSTR formFile; // the confirmation form, "Ksq001.160"
        LPCTSTR pageFile; // the plan-change page, "Ksq001.420", or null
        int pageItem;     // the page's certificate item, 42010
        BuildingNumber buildingNumber;
        bool withHeader;       // whether SetAppHeader runs before SetAppCommon
        LPCTSTR newestVersion; // the newest data version accepted, with every older known one
        LPCTSTR searchPattern; // what IsVersionOK looks for without a version
        int markerItem;        // the item that marks a known form; 0: found is enough
        int markerFields;      // its least field count
    };

    explicit ZnOldKindFormReader(const Kind& kind) : m_kind(kind) {}

    // 1 when the index's data version is one of the kind's; without a version, when the form
    // is found and (unless the kind needs no marker) holds a marker record. Nothing calls it.
    int IsVersionOK() override;

protected:
    // The object of class Object filled by readForm from the kind's form, or null.
    template <typename Object, typename Family> ZnModelApp* ReadObject(void (*readForm)(ZnOldFormReader&, Family&))
    {
        std::unique_ptr<Object> app = std::make_unique<Object>();
        if constexpr (std::is_base_of_v<ZnModelAppPlanChange<Family>, Object>) {
            if (!ReadPlanChangePage(app->m_prevConfNum, app->m_planChangeSummary))
                return nullptr;
        }
        if (m_kind.buildingNumber == numberFromItems)
            SetBuildingNo(1);
        if (!OpenForm(m_kind.formFile))
            return nullptr;
        {
            FormCloser closer(*this);
            readForm(*this, *app);
        }
        if (!FillHeader(*app))
            return nullptr;
        return app.release();
    }

private:
    // Closes the open form however the reading ends.
    struct FormCloser {
        explicit FormCloser(ZnOldFormReader& reader) : reader(reader) {}
        ~FormCloser() { reader.CloseDataFile(); }
        FormCloser(const FormCloser&) = delete;
        FormCloser& operator=(const FormCloser&) = delete;
        ZnOldFormReader& reader;
    };

    CString FormPath(LPCTSTR file) const { return m_basePath + m_formFolder + file; }
    bool OpenForm(LPCTSTR file) { return OpenDataFile(FormPath(file)) == 1; }
    // Reads the page into certificate and summary; false when it does not open.
    bool ReadPlanChangePage(ZnModelNum& certificate, CString& summary);
    // The header from the index: SetAppHeader for the kinds that want it, then SetAppCommon.
    // False, app untouched, when SetAppHeader refuses the index's count of buildings.
    bool FillHeader(ZnModelApp& app);
    bool HasMarker();

    const Kind& m_kind;
};
