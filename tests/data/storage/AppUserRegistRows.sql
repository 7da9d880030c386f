-- Rows of APP_USER_REGIST.mdb for the recordset tests. Yes/No values are -1 and 0. Every column
-- of a row holds a value of its own, so that a column bound to the wrong member shows.
INSERT INTO AppKenchikunushiTbl VALUES (1, 0, 'ﾔﾏﾀﾞ ﾀﾛｳ', '山田 太郎', '100', '0005', 13, '東京都千代田区丸の内1-1', '03', '1234', '5678', NULL);
INSERT INTO AppKenchikunushiTbl VALUES (2, -1, 'ｵﾊﾗ', 'O''Hara', '530', '0001', 27, '大阪府大阪市北区梅田2-2', '06', '2345', '6789', 'quote');
INSERT INTO AppKenchikunushiTbl VALUES (3, 0, 'ｱﾝﾄﾞｳ', 'ando', '060', '0042', 1, '北海道札幌市中央区', '011', '222', '3333', '');

INSERT INTO AppShinseishaTbl VALUES (1, 0, 'ｱｵｷ', 'Aoki', NULL);
INSERT INTO AppShinseishaTbl VALUES (2, -1, 'ｵﾌﾞﾗｲｴﾝ', 'O''Brien', 'quote');
INSERT INTO AppShinseishaTbl VALUES (3, 0, 'ﾍﾞｰｶｰ', 'baker', '');
INSERT INTO AppShinseishaTbl VALUES (4, -1, 'ﾋｮｳｻﾂ', '表札', 'sjis');

INSERT INTO AppSekkeishaTbl VALUES (1, -1, '101', '02', 'A-12345', '設計 一郎', '201', '13', 'J-678', '一郎設計室', '150', '0002', 13, '東京都渋谷区', '03', '3333', '4444', 'first');
INSERT INTO AppSekkeishaTbl VALUES (2, 0, '102', '01', 'B-2', 'Carter', '202', '27', 'J-9', 'Carter Design', '541', '0041', 27, '大阪府大阪市中央区', '06', '5555', '6666', NULL);

INSERT INTO AppSekoushaTbl VALUES (1, 0, '施工 次郎', '13', '(般-20) 第1234号', '次郎建設', '160', '0023', 13, '東京都新宿区', '03', '7777', '8888', NULL);
INSERT INTO AppSekoushaTbl VALUES (2, 0, 'Baker Build', '00', '(特-21) 第5号', 'Baker KK', '460', '0008', 23, '愛知県名古屋市中区', '052', '111', '2222', 'b');

INSERT INTO AppSetsubishaTbl VALUES (1, -1, '設備 三郎', '設備-001', '三郎設備事務所', '810', '0001', 40, '福岡県福岡市中央区', '092', '123', '4567', NULL);
INSERT INTO AppSetsubishaTbl VALUES (2, -1, 'D''Arcy', '', 'Arcy Eng', '980', '0811', 4, '宮城県仙台市青葉区', '022', '234', '5678', 'x');

INSERT INTO AppChimeiChibanTbl VALUES (1, 0, '100', '0014', 13, '永田町1-7-1', 'C-01', NULL);
INSERT INTO AppChimeiChibanTbl VALUES (2, -1, '530', '8201', 27, '中之島1-3-20', 'C-02', 'city');
INSERT INTO AppChimeiChibanTbl VALUES (3, 0, '060', '8588', 1, 'Kita 6 Nishi 6', 'C-03', '');

INSERT INTO AppGaihekiTbl VALUES (1, 0, 'モルタル塗り', NULL);
INSERT INTO AppGaihekiTbl VALUES (2, -1, 'サイディング', 'default');
INSERT INTO AppGaihekiTbl VALUES (3, 0, 'ALC', '');

INSERT INTO AppTokuteiKouteiTbl VALUES (1, -1, '2階の床及びこれを支持するはりに鉄筋を配置する工事', NULL);
INSERT INTO AppTokuteiKouteiTbl VALUES (2, 0, '屋根の小屋組の工事', 'roof');

INSERT INTO AppYaneTbl VALUES (1, 0, '瓦葺', NULL);
INSERT INTO AppYaneTbl VALUES (2, 0, 'スレート葺', '');
INSERT INTO AppYaneTbl VALUES (3, -1, 'Metal ''G''', 'quotes');

INSERT INTO AppTanbunTbl VALUES ('aa');
INSERT INTO AppTanbunTbl VALUES ('工事は完了しました。');
INSERT INTO AppTanbunTbl VALUES ('It''s');
INSERT INTO AppTanbunTbl VALUES ('Zz');
