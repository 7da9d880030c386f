-- An older APP_USER_REGIST.mdb: AppSetsubishaTbl without TourokuBangou, beside a table that the
-- patch must leave alone.
CREATE TABLE AppSetsubishaTbl (
    Hyoujijun INTEGER,
    ShokisentakuFlg BIT NOT NULL DEFAULT 0,
    Shimei VARCHAR(255) COLLATE NOCASE,
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

CREATE TABLE AppTanbunTbl (
    Tanbun VARCHAR(255) COLLATE NOCASE
);

INSERT INTO AppSetsubishaTbl VALUES (1, -1, '設備 三郎', '三郎設備事務所', '810', '0001', 40, '福岡県福岡市中央区', '092', '123', '4567', NULL);
INSERT INTO AppSetsubishaTbl VALUES (2, 0, 'D''Arcy', 'Arcy Eng', '980', '0811', 4, '宮城県仙台市青葉区', '022', '234', '5678', 'x');
INSERT INTO AppTanbunTbl VALUES ('以上');
