-- Rows of COM_CHIIKI.mdb for the editor tests. The prefecture query lists them by number, so
-- 東京都島しょ (12) comes before 東京都 (13), whose name begins it.
INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '北海道', 1, '北海道', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 1, '関東', 11, '埼玉県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 2, '関東', 12, '東京都島しょ', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 3, '関東', 13, '東京都', -1, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 1, '近畿', 27, '大阪府', 0, NULL);
