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

-- The designers: row 3 holds a qualification code that no code table bears, row 5 no codes.
INSERT INTO AppSekkeishaTbl VALUES (1, 0, '00101', '00213', '111', '山本', '00301', '00413', 'J111', '山本設計', '100', '0001', 13, '東京都千代田区', '03', '1111', '2222', NULL);
INSERT INTO AppSekkeishaTbl VALUES (2, -1, '00102', '00200', '222', '建築太郎', '00302', '00499', 'J222', '建築事務所', '530', '0001', 27, '大阪府大阪市', '06', '3333', '4444', 'first');
INSERT INTO AppSekkeishaTbl VALUES (3, 0, '09999', '', '', '加藤', '', '', '', '', '', '', -1, '', '', '', '', '');
INSERT INTO AppSekkeishaTbl VALUES (4, -1, '00103', '00201', '444', 'O''Neil', '00303', '00401', 'J444', 'Neil Arch', '', '', 1, '', '', '', '', 'quote');
INSERT INTO AppSekkeishaTbl VALUES (5, 0, '', '', '555', '田中', '', '', '', '', '', '', 99, '', '', '', '', NULL);

INSERT INTO AppSetsubishaTbl VALUES (1, 0, '高橋', 'S-1', '高橋設備', '100', '0005', 13, '東京都千代田区', '03', '5555', '6666', NULL);
INSERT INTO AppSetsubishaTbl VALUES (2, -1, '設備一郎', 'S-2', '設備研究所', '530', '0002', 27, '大阪府大阪市', '06', '7777', '8888', 'first');
INSERT INTO AppSetsubishaTbl VALUES (3, 0, '井上', '', '', '', '', -1, '', '', '', '', '');
INSERT INTO AppSetsubishaTbl VALUES (4, -1, 'O''Brien', 'S-4', 'Brien Eng', '', '', 11, '', '', '', '', 'quote');
INSERT INTO AppSetsubishaTbl VALUES (5, 0, '渡辺', 'S-5', '', '', '', 99, '', '', '', '', NULL);

INSERT INTO AppSekoushaTbl VALUES (1, 0, '中村組', '00513', 'K-1', '中村建設', '100', '0006', 13, '東京都千代田区', '03', '1212', '3434', NULL);
INSERT INTO AppSekoushaTbl VALUES (2, -1, '建設花子', '00527', 'K-2', '花子工務店', '530', '0003', 27, '大阪府大阪市', '06', '5656', '7878', 'first');
INSERT INTO AppSekoushaTbl VALUES (3, 0, '伊藤', '09999', '', '', '', '', -1, '', '', '', '', '');
INSERT INTO AppSekoushaTbl VALUES (4, -1, 'O''Connor', '00500', 'K-4', 'Connor Co.', '', '', 1, '', '', '', '', 'quote');
INSERT INTO AppSekoushaTbl VALUES (5, 0, '木村', '', 'K-5', '', '', '', 99, '', '', '', '', NULL);
