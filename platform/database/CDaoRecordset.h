// A recordset as the system's recordset classes derive from it: its DoFieldExchange binds
// columns by name to members; Open runs its SQL (with m_strFilter and m_strSort applied as an
// outer query) and the Move functions load each row into the members.
//
// A dynaset or table recordset over one table (a table name, or SELECT * FROM a table with a
// WHERE or ORDER BY) can be changed row by row: Edit or AddNew, assignments to the members, then
// Update writes the members that differ from the row as loaded, or, for a new row, every member
// assigned since AddNew, whatever its value (see CDaoFieldExchange); the others stay null. A
// snapshot, a read-only database or any other query gives 3027 on a change.
// The rows are chosen when the recordset is opened or requeried; rows added through it come
// last. Over an Access file's import each row is read from the query when the recordset first
// moves onto it (a row whose value the engine cannot compute fails then); over a SQLite file all
// are read when it opens, so that it holds nothing of the file that others may write. A dynaset
// or table recordset over one table reads each row again when it moves onto it, so that it shows
// what other connections wrote, and passes over rows deleted since.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/database/CDaoFieldExchange.h"

#include <memory>

class CDaoRecordset : public CObject {
public:
    DECLARE_DYNAMIC(CDaoRecordset)
    // Without a database, Open opens its own on GetDefaultDBName and Close deletes it.
    explicit CDaoRecordset(CDaoDatabase* database = nullptr);
    ~CDaoRecordset() override;

    // Opens the recordset on sql (null: GetDefaultSQL) with open type dbOpenDynaset,
    // dbOpenTable or dbOpenSnapshot (AFX_DAO_USE_DEFAULT_TYPE: m_nDefaultType); the option
    // dbReadOnly makes it read-only. An open recordset is closed first. On failure it stays
    // closed and raises the error.
    virtual void Open(int openType = AFX_DAO_USE_DEFAULT_TYPE, LPCTSTR sql = nullptr, int options = 0);
    virtual void Close();
    BOOL IsOpen() const;

    virtual CString GetDefaultDBName();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CDaoFieldExchange* pFX);

    // A closed recordset has no current row: both are TRUE then.
    BOOL IsBOF() const;
    BOOL IsEOF() const;
    // 3021 when there is no row to move to. Moving abandons a pending Edit or AddNew.
    void MoveFirst();
    void MoveNext();

    virtual void AddNew();
    virtual void Edit();
    // Writes the pending Edit or AddNew (3020 without one). On failure the row in the database
    // and in the recordset stays as it was, and the change stays pending.
    virtual void Update();
    // Deletes the current row; the recordset stays on it until it moves.
    virtual void Delete();
    // Runs the query again with the current filter and sort, on the first row.
    virtual void Requery();
    BOOL CanUpdate() const;

    CDaoDatabase* m_pDatabase;
    CString m_strFilter;
    CString m_strSort;
    int m_nFields = 0;
    int m_nDefaultType = dbOpenDynaset;

private:
    struct State;

    void Release();
    void OpenDatabase();
    void Query();
    bool Fetch(size_t row);
    bool Refresh(size_t row);
    void MoveTo(size_t row);
    void LoadCurrent();
    // The members as cells; assigned, when given, tells which were assigned since AddNew.
    std::vector<DaoValue> StoreMembers(std::vector<bool>* assigned = nullptr);
    // Ends a pending Edit or AddNew; the members that AddNew marked and nothing assigned are
    // empty again.
    void EndPending();
    State& Opened() const;
    void RequireCurrentRow() const;
    void RequireUpdatable() const;
    void UpdateEdited(const std::vector<DaoValue>& values);
    void UpdateAdded(const std::vector<DaoValue>& values, const std::vector<bool>& assigned);

    std::unique_ptr<State> m_state;
    bool m_ownsDatabase = false;
};
