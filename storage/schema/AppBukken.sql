-- APP_BUKKEN.mdb: the register of properties and of the documents of each property. Column
-- names are the original tables' own, misspellings included (ChikiShiteiCode,
-- ShinseiShubetuCode). Column types are those of the database layer: INTEGER a long, SMALLINT a
-- short, BIT a Yes/No stored as -1 or 0, DATETIME a date and time, VARCHAR(n) a text.

-- One row per property; the program numbers them itself (largest index + 1).
CREATE TABLE AppBukkenKanriTbl (
    BukkenIndex INTEGER PRIMARY KEY,
    Bukkenmei VARCHAR(255) COLLATE NOCASE,
    Koushinbi DATETIME,
    ChikiShiteiCode SMALLINT,
    ShinseiKubun SMALLINT,
    HozonDirectory VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- One row per document; documents are numbered within their property.
CREATE TABLE AppBukkenShousaiTbl (
    BukkenShousaiIndex INTEGER,
    BukkenIndex INTEGER,
    ShinseiShoruiName VARCHAR(255) COLLATE NOCASE,
    ShinseiShubetuCode INTEGER,
    HeiganCode INTEGER,
    ShinseiKaisuu INTEGER,
    Koushinbi DATETIME,
    UketukeBangou VARCHAR(255) COLLATE NOCASE,
    ZadazezBangou VARCHAR(255) COLLATE NOCASE,
    GoukakuBangou VARCHAR(255) COLLATE NOCASE,
    FileName VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE,
    PRIMARY KEY (BukkenIndex, BukkenShousaiIndex)
);

-- Properties checked out by users.
CREATE TABLE AppCheckoutTbl (
    BukkenKeyCode INTEGER,
    BukkenKeyName VARCHAR(255) COLLATE NOCASE,
    CheckoutSubsystem INTEGER,
    ShiyoushaID INTEGER,
    ShiyoushaCode VARCHAR(255) COLLATE NOCASE,
    ShiyoushaName VARCHAR(255) COLLATE NOCASE,
    ShiyoushaFirstName VARCHAR(255) COLLATE NOCASE,
    ShiyoushaTanmatsu VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);
