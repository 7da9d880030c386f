-- Rows of APP_USER_REGIST.mdb for the reference-data writer. Rows are inserted out of display
-- order; texts hold the five characters that XML escapes, the percent sign and double-byte
-- characters whose second byte is a backslash (ソ, 表); postal codes and telephone numbers have
-- empty and missing parts; codes hit and miss the sample code tables. AppGaihekiTbl stays empty.
INSERT INTO AppKenchikunushiTbl VALUES (3, 0, 'ｻﾄｳ', '佐藤 花子', NULL, NULL, 13, '東京都港区', '', NULL, '', NULL);
INSERT INTO AppKenchikunushiTbl VALUES (1, -1, 'ﾔﾏﾀﾞ ﾀﾛｳ', '山田 太郎', '100', '0005', 13, '東京都千代田区丸の内1-1', '03', '1234', '5678', 'not written');
INSERT INTO AppKenchikunushiTbl VALUES (2, 0, 'ｿﾌﾄ&ｺｳ', 'ソフト<表>"工房"''s', '530', '0001', 27, '大阪府 100%', '06', '1234', '', NULL);

INSERT INTO AppShinseishaTbl VALUES (2, 0, 'ﾍﾞｰｶｰ', 'Baker & Sons', NULL);
INSERT INTO AppShinseishaTbl VALUES (1, -1, 'ｱｵｷ', '青木 一郎', 'x');

INSERT INTO AppSekkeishaTbl VALUES (2, 0, '201', '00299', 'B-2', 'Carter', '103', '00499', '', 'Carter & Co', '', '', 27, '', '06', '', '', 'b');
INSERT INTO AppSekkeishaTbl VALUES (3, 0, '104', NULL, NULL, '表 ①', '3O1', '13', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO AppSekkeishaTbl VALUES (1, -1, '0101', '00213', 'A-12345', '設計 一郎', '302', '00411', 'J-678', '一郎設計室', '150', '0002', 13, '東京都渋谷区', '03', '3333', '4444', NULL);

INSERT INTO AppSekoushaTbl VALUES (3, 0, 'O''Neil', '13', '', '', '', '', 0, '', '', '', '', '');
INSERT INTO AppSekoushaTbl VALUES (1, 0, '施工 次郎', '00513', '(般-20) 第1234号', '次郎建設', '160', '0023', 13, '東京都新宿区', '03', '7777', '8888', NULL);
INSERT INTO AppSekoushaTbl VALUES (2, 0, 'Baker Build', '00500', '(特-21) 第5号', 'Baker KK', '460', '0008', 23, '愛知県名古屋市中区', '052', '111', '2222', 'b');

INSERT INTO AppTokuteiKouteiTbl VALUES (2, 0, '屋根の小屋組の工事', 'roof');
INSERT INTO AppTokuteiKouteiTbl VALUES (1, -1, '2階の床及びこれを支持するはりに鉄筋を配置する工事', NULL);

INSERT INTO AppChimeiChibanTbl VALUES (2, -1, NULL, '8201', 27, '中之島1-3-20', 'C-02', 'city');
INSERT INTO AppChimeiChibanTbl VALUES (1, 0, '100', '0014', 13, '永田町1-7-1', 'C-01', NULL);

INSERT INTO AppSetsubishaTbl VALUES (1, -1, '設備 三郎', '設備-001', '三郎設備事務所', '810', '0001', 40, '福岡県福岡市中央区', '092', '123', '4567', NULL);
INSERT INTO AppSetsubishaTbl VALUES (2, 0, 'D''Arcy', '', 'Arcy <Eng>', '980', '0811', 4, '宮城県仙台市青葉区', '022', '234', '5678', 'x');

INSERT INTO AppYaneTbl VALUES (3, -1, 'Metal "G"', 'quotes');
INSERT INTO AppYaneTbl VALUES (1, 0, '瓦葺', NULL);
INSERT INTO AppYaneTbl VALUES (2, 0, 'スレート葺', '');
