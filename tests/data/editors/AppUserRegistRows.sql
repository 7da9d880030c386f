-- Rows of APP_USER_REGIST.mdb for the editor tests: five rows a table, two with the initial-selection
-- flag (-1), Japanese keys and one key with single quotes. The owner 未納 has a prefecture number
-- that no area row knows; the address さいたま市 has none (-1).
INSERT INTO AppShinseishaTbl VALUES (1, 0, 'ｽｽﾞｷ', '鈴木', NULL);
INSERT INTO AppShinseishaTbl VALUES (2, -1, 'ｻﾄｳ', '佐藤', 'first');
INSERT INTO AppShinseishaTbl VALUES (3, 0, 'ｱｵｷ', '青木', '');
INSERT INTO AppShinseishaTbl VALUES (4, -1, 'ｵﾌﾞﾗｲｴﾝ', 'O''Brien', 'quote');
INSERT INTO AppShinseishaTbl VALUES (5, 0, 'ｶﾄｳ', 'かとう', NULL);

INSERT INTO AppKenchikunushiTbl VALUES (1, 0, 'ﾔﾏﾀﾞ', '山田', '100', '0001', 13, '東京都千代田区', '03', '1111', '2222', NULL);
INSERT INTO AppKenchikunushiTbl VALUES (2, -1, 'ｺｸﾄﾞｺｳﾂｳｼｮｳ', '国土交通省', '100', '8918', 27, '大阪府', '03', '5253', '8111', 'first');
INSERT INTO AppKenchikunushiTbl VALUES (3, 0, 'ｵｵｻｶｼ', '大阪市', '530', '8201', 27, '', '06', '6208', '8181', '');
INSERT INTO AppKenchikunushiTbl VALUES (4, -1, 'ｵﾊﾗ', 'O''Hara', '', '', -1, '', '', '', '', 'quote');
INSERT INTO AppKenchikunushiTbl VALUES (5, 0, 'ﾐﾉｳ', '未納', '', '', 99, '', '', '', '', NULL);

INSERT INTO AppChimeiChibanTbl VALUES (1, 0, '105', '0011', 13, '東京都港区芝公園', 'C1', NULL);
INSERT INTO AppChimeiChibanTbl VALUES (2, -1, '530', '0001', 27, '大阪府大阪市北区', 'C2', 'first');
INSERT INTO AppChimeiChibanTbl VALUES (3, 0, '', '', -1, 'さいたま市', NULL, '');
INSERT INTO AppChimeiChibanTbl VALUES (4, -1, '', '', 11, 'O''Neil St.', 'C4', 'quote');
INSERT INTO AppChimeiChibanTbl VALUES (5, 0, '060', '0042', 1, '北海道札幌市', 'C5', NULL);

INSERT INTO AppYaneTbl VALUES (1, 0, '瓦葺', NULL);
INSERT INTO AppYaneTbl VALUES (2, -1, 'スレート葺', 'first');
INSERT INTO AppYaneTbl VALUES (3, 0, 'かや葺', '');
INSERT INTO AppYaneTbl VALUES (4, -1, 'Metal ''G''', 'quote');
INSERT INTO AppYaneTbl VALUES (5, 0, '金属板葺', NULL);

INSERT INTO AppGaihekiTbl VALUES (1, 0, 'モルタル', NULL);
INSERT INTO AppGaihekiTbl VALUES (2, -1, 'サイディング', 'first');
INSERT INTO AppGaihekiTbl VALUES (3, 0, 'しっくい', '');
INSERT INTO AppGaihekiTbl VALUES (4, -1, 'ALC ''50''', 'quote');
INSERT INTO AppGaihekiTbl VALUES (5, 0, '板張', NULL);

INSERT INTO AppTokuteiKouteiTbl VALUES (1, 0, '基礎配筋', NULL);
INSERT INTO AppTokuteiKouteiTbl VALUES (2, -1, '二階床', 'first');
INSERT INTO AppTokuteiKouteiTbl VALUES (3, 0, 'くい打ち', '');
INSERT INTO AppTokuteiKouteiTbl VALUES (4, -1, 'Roof ''A''', 'quote');
INSERT INTO AppTokuteiKouteiTbl VALUES (5, 0, '屋根工事', NULL);
