-- APP_USER_REGIST.mdb: the common data that the user registers once and picks from. Column names
-- are the original tables' own, misspellings included (Houjijun in AppKenchikunushiTbl,
-- JImushoTourokuBangou and Shozaoti in AppSekkeishaTbl), and the initial-selection flag is
-- spelt ShokisentakuFlg throughout. Column types are those of the database layer: INTEGER a long,
-- BIT a Yes/No stored as -1 or 0, VARCHAR(n) a text.

-- Owners.
CREATE TABLE AppKenchikunushiTbl (
    Houjijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Furigana VARCHAR(255) COLLATE NOCASE,
    Shimei VARCHAR(255) COLLATE NOCASE,
    YuubinBangou1 VARCHAR(255) COLLATE NOCASE,
    YuubinBangou2 VARCHAR(255) COLLATE NOCASE,
    TodoufukenmeiBangou INTEGER,
    Juusho VARCHAR(255) COLLATE NOCASE,
    DenwaBangou1 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou2 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou3 VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Applicants.
CREATE TABLE AppShinseishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Furigana VARCHAR(255) COLLATE NOCASE,
    Shimei VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Designers with their qualifications and offices.
CREATE TABLE AppSekkeishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    KenchikushiShikaku VARCHAR(255) COLLATE NOCASE,
    SekkeishaTourokuShubetsu VARCHAR(255) COLLATE NOCASE,
    KenchikushiTourokuBangou VARCHAR(255) COLLATE NOCASE,
    Shimei VARCHAR(255) COLLATE NOCASE,
    JimushoShikaku VARCHAR(255) COLLATE NOCASE,
    JimushoTourokuShubetsu VARCHAR(255) COLLATE NOCASE,
    JImushoTourokuBangou VARCHAR(255) COLLATE NOCASE,
    Meishou VARCHAR(255) COLLATE NOCASE,
    YuubinBangou1 VARCHAR(255) COLLATE NOCASE,
    YuubinBangou2 VARCHAR(255) COLLATE NOCASE,
    TodoufukenmeiBangou INTEGER,
    Shozaoti VARCHAR(255) COLLATE NOCASE,
    DenwaBangou1 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou2 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou3 VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Constructors.
CREATE TABLE AppSekoushaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Shimei VARCHAR(255) COLLATE NOCASE,
    KensetsugyouKyokaShubetsu VARCHAR(255) COLLATE NOCASE,
    TourokuBangou VARCHAR(255) COLLATE NOCASE,
    Meishou VARCHAR(255) COLLATE NOCASE,
    YuubinBangou1 VARCHAR(255) COLLATE NOCASE,
    YuubinBangou2 VARCHAR(255) COLLATE NOCASE,
    TodoufukenmeiBangou INTEGER,
    Shozaiti VARCHAR(255) COLLATE NOCASE,
    DenwaBangou1 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou2 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou3 VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Equipment designers. TourokuBangou is the column that older files lack and that the schema
-- patch adds, with the same definition.
CREATE TABLE AppSetsubishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Shimei VARCHAR(255) COLLATE NOCASE,
    TourokuBangou VARCHAR(60) COLLATE NOCASE,
    Kinmusaki VARCHAR(255) COLLATE NOCASE,
    YuubinBangou1 VARCHAR(255) COLLATE NOCASE,
    YuubinBangou2 VARCHAR(255) COLLATE NOCASE,
    TodoufukenmeiBangou INTEGER,
    Shozaiti VARCHAR(255) COLLATE NOCASE,
    DenwaBangou1 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou2 VARCHAR(255) COLLATE NOCASE,
    DenwaBangou3 VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Place names and lot numbers.
CREATE TABLE AppChimeiChibanTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    YuubinBangou1 VARCHAR(255) COLLATE NOCASE,
    YuubinBangou2 VARCHAR(255) COLLATE NOCASE,
    TodoufukenmeiBangou INTEGER,
    Juusho VARCHAR(255) COLLATE NOCASE,
    ChimeiChibanCode VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Outer-wall kinds, specified processes and roof kinds: one item name each.
CREATE TABLE AppGaihekiTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    KoumokuMei VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

CREATE TABLE AppTokuteiKouteiTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    KoumokuMei VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

CREATE TABLE AppYaneTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    KoumokuMei VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- Stock phrases.
CREATE TABLE AppTanbunTbl (
    Tanbun VARCHAR(255) COLLATE NOCASE
);
