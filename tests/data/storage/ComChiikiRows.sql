-- Rows of COM_CHIIKI.mdb for the recordset tests: three regions, five prefectures, not in
-- either number order. Yes/No values are -1 and 0.
INSERT INTO AppChiikiShiteiTbl VALUES (3, 1, '関東', 13, '東京都', -1, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 2, '関東', 11, '埼玉県', 0, '');
INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '北海道', 1, '北海道', 0, 'north');
INSERT INTO AppChiikiShiteiTbl VALUES (5, 1, '近畿', 27, '大阪府', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 2, '近畿', 26, '京都府', 0, NULL);
