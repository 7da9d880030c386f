-- The region file: its region table and a table of region kinds. Yes/No values are -1 and 0.
CREATE TABLE AppChiikiShiteiTbl (
    ChiikiBangou INTEGER,
    ChiikiRenban INTEGER,
    ChiikiMei VARCHAR(50) COLLATE NOCASE,
    TodoufukenBangou INTEGER,
    Todoufuken VARCHAR(10) COLLATE NOCASE,
    ShokiSentakuFlg BIT NOT NULL DEFAULT 0,
    Bikou LONGTEXT COLLATE NOCASE
);
CREATE TABLE ChiikiKubunTbl (ChiikiBangou INTEGER, Shiyou BIT NOT NULL DEFAULT 0);
INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '札幌', 1, '北海道', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (1, 2, '函館', 1, '北海道', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (13, 1, '東京都', 13, '東京都', -1, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (27, 1, '大阪府', 27, '大阪府', 0, '');
INSERT INTO AppChiikiShiteiTbl VALUES (14, 1, '横浜①', 14, '神奈川県', 0, '～㈱');
INSERT INTO ChiikiKubunTbl VALUES (1, -1);
INSERT INTO ChiikiKubunTbl VALUES (13, -1);
INSERT INTO ChiikiKubunTbl VALUES (27, 0);
INSERT INTO ChiikiKubunTbl VALUES (14, -1);
