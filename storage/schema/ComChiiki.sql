-- COM_CHIIKI.mdb: the regions and their prefectures. Column names are the original table's own;
-- the initial-selection flag is spelt ShokiSentakuFlg here. Column types are those of the
-- database layer: INTEGER a long, BIT a Yes/No stored as -1 or 0, VARCHAR(n) a text.

-- One row per prefecture of a region: the region's number and name, the prefecture's serial
-- number within the region (1 for the first), its number and its name.
CREATE TABLE AppChiikiShiteiTbl (
    ChiikiBangou INTEGER,
    ChiikiRenban INTEGER,
    ChiikiMei VARCHAR(255) COLLATE NOCASE,
    TodoufukenBangou INTEGER,
    Todoufuken VARCHAR(255) COLLATE NOCASE,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- The two views stand in for the saved queries that the original file keeps.

-- The regions, one row each (the row of a region's first prefecture), in their number order.
CREATE VIEW AppChiikiShiteiQ2Tbl AS
    SELECT ShokiSentakuFlg, ChiikiMei, ChiikiBangou
    FROM AppChiikiShiteiTbl
    WHERE ChiikiRenban = 1
    ORDER BY ChiikiBangou;

-- The prefectures in their number order.
CREATE VIEW AppTodoufukenQTbl AS
    SELECT Todoufuken, TodoufukenBangou, ShokiSentakuFlg, ChiikiBangou, ChiikiRenban
    FROM AppChiikiShiteiTbl
    ORDER BY TodoufukenBangou;
