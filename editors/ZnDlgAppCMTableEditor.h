// A reference-data editor over the recordset class DAO: its fields, each an edit control with its
// input settings and the recordset's text member it shows and stores, and, with the address block,
// the member of the prefecture's number. Only these members are ever written: the display order,
// the initial-selection flag and the remarks of a row keep the table's defaults on new rows and
// their values on edited ones.
#pragma once

#include "editors/ZnDlgAppCMEditor.h"

#include <initializer_list>

template <class DAO> class ZnDlgAppCMTableEditor : public ZnDlgAppCMEditor {
public:
    struct Field {
        UINT id;
        CString DAO::*member;
        ZnCMInput input;
    };

protected:
    ZnDlgAppCMTableEditor(UINT nIDTemplate, const ZnCMEditorSpec& spec, std::initializer_list<Field> fields,
                          LONG DAO::*todoufuken = nullptr)
        : ZnDlgAppCMEditor(nIDTemplate, spec, Setups(fields)), m_todoufuken(todoufuken)
    {
        for (const Field& field : fields)
            m_members.push_back(field.member);
    }

    std::unique_ptr<ZnAppKeyedTblDAO> NewRecordset() const override { return std::make_unique<DAO>(); }

    void ReadRecord(ZnAppKeyedTblDAO& recordset, ZnCMRecord& record) const override
    {
        const DAO& row = static_cast<const DAO&>(recordset);
        record.texts.clear();
        for (CString DAO::*member : m_members)
            record.texts.push_back(row.*member);
        if (m_todoufuken)
            record.todoufuken = row.*m_todoufuken;
    }

    void WriteRecord(const ZnCMRecord& record, ZnAppKeyedTblDAO& recordset) const override
    {
        DAO& row = static_cast<DAO&>(recordset);
        for (size_t i = 0; i < m_members.size(); ++i)
            row.*m_members[i] = record.texts[i];
        if (m_todoufuken)
            row.*m_todoufuken = record.todoufuken;
    }

private:
    static std::vector<ZnCMField> Setups(std::initializer_list<Field> fields)
    {
        std::vector<ZnCMField> setups;
        for (const Field& field : fields)
            setups.push_back({field.id, field.input});
        return setups;
    }

    std::vector<CString DAO::*> m_members;
    LONG DAO::*m_todoufuken;
};
