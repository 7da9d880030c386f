-- COM_CODE.mdb: the official code lists, one table per list, all with the same columns. Column
-- names are the original tables' own. Column types are those of the database layer: INTEGER a
-- long, SMALLINT a short, BIT a Yes/No stored as -1 or 0, VARCHAR(n) a text.
--
-- TblCode     the table's number among the code tables, as text ("10013")
-- Bangou      the row's number; in the registration-kind tables the region it belongs to, 9999
--             for all regions
-- Code        the code that documents store ("02401")
-- Hyoujijun   display order
-- ShokiSentakuFlg                 initial selection
-- HyoujiFlgApp ... HyoujiFlgDbView shown in the application-form program, at reception, in
--                                 registration, in database management, in database viewing
-- SeishikiMeishou, TanshukuMeishou, DaichouTourokuMeishou  formal, short and register names

-- 建築士登録種別
CREATE TABLE KenchikushiTourokuShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建築士事務所登録種別
CREATE TABLE JimushoTourokuShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建設業許可別
CREATE TABLE KensetsugyouKyokaTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建築士資格
CREATE TABLE KenchikushiShikakuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建築士事務所資格
CREATE TABLE JimushoShikakuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 都市計画区域の内外
CREATE TABLE ToshikeikakuKuikiNaigaiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 防火地域
CREATE TABLE BoukaChiikiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 用途地域
CREATE TABLE YoutoChiikiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建物用途
CREATE TABLE TatemonoYoutoTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工事種別
CREATE TABLE KoujiShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 昇降機種別
CREATE TABLE ShoukoukiShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 昇降機用途
CREATE TABLE ShoukoukiYoutoTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 構造種別
CREATE TABLE KouzouShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 耐火建築物の種別
CREATE TABLE TaikaShubetsuTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 確認の特例
CREATE TABLE ZadazezTokureiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 令１３条の２の建築物の区分
CREATE TABLE Rei13_2KenchikubutsuKubunTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工作物の種類（法第８８条第１項）
CREATE TABLE KousakubutsuShuruiHou88_1Tbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工作物の用途（法第８８条第２項）
CREATE TABLE KousakubutsuYoutoHou88_2Tbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 市街化区域
CREATE TABLE ShigaichiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 法第２２条区域
CREATE TABLE Hou22KuikiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建築主種別（建築工事届用）
CREATE TABLE KenchikunushiShubetsuKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 業種（建築工事届用）
CREATE TABLE GyoushuKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 都市計画区域（建築工事届用）
CREATE TABLE ToshikeikakuKuikiKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工事種別（建築工事届用）
CREATE TABLE KoujiShubetsuKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 多用途の区分（建築工事届用）
CREATE TABLE TayoutoKubunKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工事部分の構造（建築工事届用）
CREATE TABLE KoujibubunKouzouKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 住宅の工事種別（建築工事届用）
CREATE TABLE JuutakuKoujiShubetsuKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 住宅の資金（建築工事届用）
CREATE TABLE JuutakuShikinKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 住宅の建築工法（建築工事届用）
CREATE TABLE JuutakuKouhouKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 住宅の種類（建築工事届用）
CREATE TABLE JuutakuShuruiKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 除却原因（建築工事届、除却届用）
CREATE TABLE JokyakuGeninTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 除却建築物の構造種別（建築工事届、除却届用）
CREATE TABLE JokyakuKenchikubutsuKouzouTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 除却建築物の住宅の利用関係（建築工事届、除却届用）
CREATE TABLE JokyakuKenchikubutsuJuutakuKankeiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 元号
CREATE TABLE GengouTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工事種別（許可・認定申請用）
CREATE TABLE KoujiShubetsuKyokaTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 法第52条第7項適用区域
CREATE TABLE Hou52_7TekiyouTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 法第52条第7項の特例の有無
CREATE TABLE Hou52_7TokureiTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 天空率の特例の区分を示す記号
CREATE TABLE TenkuritsuKubunTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 工事届の主要用途
CREATE TABLE ShuyouyoutoKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 主要用途の区分
CREATE TABLE ShuyouyoutoKubunKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);

-- 建築物ごとの用途
CREATE TABLE TatemonoYoutoKoujitodokeTbl (
    TblCode VARCHAR(10) COLLATE NOCASE,
    Bangou INTEGER,
    Code VARCHAR(10) COLLATE NOCASE,
    Hyoujijun SMALLINT,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    HyoujiFlgApp BIT NOT NULL DEFAULT 0,
    HyoujiFlgRecept BIT NOT NULL DEFAULT 0,
    HyoujiFlgRegist BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbMng BIT NOT NULL DEFAULT 0,
    HyoujiFlgDbView BIT NOT NULL DEFAULT 0,
    SeishikiMeishou VARCHAR(255) COLLATE NOCASE,
    TanshukuMeishou VARCHAR(255) COLLATE NOCASE,
    DaichouTourokuMeishou VARCHAR(255) COLLATE NOCASE,
    Bikou VARCHAR(255) COLLATE NOCASE
);
