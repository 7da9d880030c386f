-- Tables of the database test suite, in the column types of the database layer.
CREATE TABLE AppShinseishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Furigana VARCHAR(255) COLLATE NOCASE,
    Shimei VARCHAR(255) COLLATE NOCASE PRIMARY KEY,
    Bikou LONGTEXT COLLATE NOCASE
);

CREATE TABLE CodeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE
);

CREATE TABLE AppBukkenKanriTbl (
    BukkenIndex INTEGER PRIMARY KEY,
    Bukkenmei VARCHAR(255) COLLATE NOCASE,
    Koushinbi DATETIME,
    ChikiShiteiCode SMALLINT,
    ShinseiKubun SMALLINT,
    HozonDirectory VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- An older layout: without the registration number column.
CREATE TABLE AppSetsubishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Shimei VARCHAR(255) COLLATE NOCASE,
    Kinmusaki VARCHAR(255) COLLATE NOCASE
);

-- A saved query: readable, never updatable.
CREATE VIEW AppCodeQ AS SELECT Code, SeishikiMeishou FROM CodeTbl WHERE HyoujiFlgApp <> 0;
