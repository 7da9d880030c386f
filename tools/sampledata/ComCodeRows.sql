-- Rows of the sample COM_CODE.mdb: the codes that the program's writers and forms name, and
-- plausible sample entries elsewhere. The official lists are not part of the project; a user
-- copies the file of a Windows installation into the application folder instead.
-- Columns: TblCode, Bangou, Code, Hyoujijun, ShokiSentakuFlg, HyoujiFlgApp, HyoujiFlgRecept,
-- HyoujiFlgRegist, HyoujiFlgDbMng, HyoujiFlgDbView, SeishikiMeishou, TanshukuMeishou,
-- DaichouTourokuMeishou, Bikou. Yes/No values are -1 and 0; the row shown first is the initial
-- selection.

-- Issuers of architects' registrations: the minister for all regions (Bangou 9999), the
-- governors by region.
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 3, '00213', 4, 0, -1, -1, -1, -1, -1, '東京都知事', '東京都', '東京都', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 9999, '00200', 1, -1, -1, -1, -1, -1, -1, '国土交通大臣', '大臣', '大臣', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 5, '00227', 7, 0, -1, -1, -1, -1, -1, '大阪府知事', '大阪府', '大阪府', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 3, '00211', 3, 0, -1, -1, -1, -1, -1, '埼玉県知事', '埼玉県', '埼玉県', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 3, '00214', 5, 0, -1, -1, -1, -1, -1, '神奈川県知事', '神奈川県', '神奈川県', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 5, '00226', 6, 0, -1, -1, -1, -1, -1, '京都府知事', '京都府', '京都府', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 8, '00240', 8, 0, -1, -1, -1, -1, -1, '福岡県知事', '福岡県', '福岡県', NULL);
INSERT INTO KenchikushiTourokuShubetsuTbl VALUES ('10001', 1, '00201', 2, 0, -1, -1, -1, -1, -1, '北海道知事', '北海道', '北海道', NULL);

-- Issuers of architect offices' registrations, by region.
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 3, '00413', 3, 0, -1, -1, -1, -1, -1, '東京都知事', '東京都', '東京都', NULL);
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 9999, '00499', 9, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 1, '00401', 1, -1, -1, -1, -1, -1, -1, '北海道知事', '北海道', '北海道', NULL);
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 5, '00427', 5, 0, -1, -1, -1, -1, -1, '大阪府知事', '大阪府', '大阪府', NULL);
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 3, '00414', 4, 0, -1, -1, -1, -1, -1, '神奈川県知事', '神奈川県', '神奈川県', NULL);
INSERT INTO JimushoTourokuShubetsuTbl VALUES ('10002', 3, '00411', 2, 0, -1, -1, -1, -1, -1, '埼玉県知事', '埼玉県', '埼玉県', NULL);

-- Issuers of construction-business licences: the minister for all regions, the governors by region.
INSERT INTO KensetsugyouKyokaTbl VALUES ('10003', 9999, '00500', 1, -1, -1, -1, -1, -1, -1, '国土交通大臣許可', '大臣', '大臣', NULL);
INSERT INTO KensetsugyouKyokaTbl VALUES ('10003', 3, '00513', 3, 0, -1, -1, -1, -1, -1, '東京都知事許可', '東京都', '東京都', NULL);
INSERT INTO KensetsugyouKyokaTbl VALUES ('10003', 3, '00511', 2, 0, -1, -1, -1, -1, -1, '埼玉県知事許可', '埼玉県', '埼玉県', NULL);
INSERT INTO KensetsugyouKyokaTbl VALUES ('10003', 5, '00527', 4, 0, -1, -1, -1, -1, -1, '大阪府知事許可', '大阪府', '大阪府', NULL);
INSERT INTO KensetsugyouKyokaTbl VALUES ('10003', 8, '00540', 5, 0, -1, -1, -1, -1, -1, '福岡県知事許可', '福岡県', '福岡県', NULL);

-- Architect classes: read as numbers, 101 一級, 102 二級, 103 木造.
INSERT INTO KenchikushiShikakuTbl VALUES ('10004', 1, '00101', 1, -1, -1, -1, -1, -1, -1, '一級建築士', '一級', '一級', NULL);
INSERT INTO KenchikushiShikakuTbl VALUES ('10004', 2, '00102', 2, 0, -1, -1, -1, -1, -1, '二級建築士', '二級', '二級', NULL);
INSERT INTO KenchikushiShikakuTbl VALUES ('10004', 3, '00103', 3, 0, -1, -1, -1, -1, -1, '木造建築士', '木造', '木造', NULL);

-- Architect-office classes: read as numbers, 301 一級, 302 二級, 303 木造.
INSERT INTO JimushoShikakuTbl VALUES ('10005', 1, '00301', 1, -1, -1, -1, -1, -1, -1, '一級建築士事務所', '一級', '一級', NULL);
INSERT INTO JimushoShikakuTbl VALUES ('10005', 2, '00302', 2, 0, -1, -1, -1, -1, -1, '二級建築士事務所', '二級', '二級', NULL);
INSERT INTO JimushoShikakuTbl VALUES ('10005', 3, '00303', 3, 0, -1, -1, -1, -1, -1, '木造建築士事務所', '木造', '木造', NULL);

INSERT INTO ToshikeikakuKuikiNaigaiTbl VALUES ('10006', 1, '00701', 1, -1, -1, -1, -1, -1, -1, '都市計画区域内', '都市計画区域内', '都市計画区域内', NULL);
INSERT INTO ToshikeikakuKuikiNaigaiTbl VALUES ('10006', 2, '00702', 2, 0, -1, -1, -1, -1, -1, '準都市計画区域内', '準都市計画区域内', '準都市計画区域内', NULL);
INSERT INTO ToshikeikakuKuikiNaigaiTbl VALUES ('10006', 3, '00700', 3, 0, -1, -1, -1, -1, -1, '都市計画区域及び準都市計画区域外', '区域外', '区域外', NULL);

INSERT INTO BoukaChiikiTbl VALUES ('10007', 1, '00601', 1, -1, -1, -1, -1, -1, -1, '防火地域', '防火地域', '防火地域', NULL);
INSERT INTO BoukaChiikiTbl VALUES ('10007', 2, '00602', 2, 0, -1, -1, -1, -1, -1, '準防火地域', '準防火地域', '準防火地域', NULL);
INSERT INTO BoukaChiikiTbl VALUES ('10007', 3, '00603', 3, 0, -1, -1, -1, -1, -1, '指定なし', '指定なし', '指定なし', NULL);

-- Use zones. The two low-rise zones are named without 地域, as the writers expect; the former
-- zone is not shown in the application program.
INSERT INTO YoutoChiikiTbl VALUES ('10008', 3, '00903', 3, 0, -1, -1, -1, -1, -1, '第一種中高層住居専用地域', '一中高', '一中高', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 1, '00901', 1, -1, -1, -1, -1, -1, -1, '第一種低層住居専用', '一低専', '一低専', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 2, '00902', 2, 0, -1, -1, -1, -1, -1, '第二種低層住居専用', '二低専', '二低専', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 9, '00909', 9, 0, -1, -1, -1, -1, -1, '商業地域', '商業', '商業', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 90, '00990', 14, 0, 0, -1, -1, -1, -1, '住居地域（旧）', '住居（旧）', '住居（旧）', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 4, '00904', 4, 0, -1, -1, -1, -1, -1, '第二種中高層住居専用地域', '二中高', '二中高', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 5, '00905', 5, 0, -1, -1, -1, -1, -1, '第一種住居地域', '一住', '一住', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 6, '00906', 6, 0, -1, -1, -1, -1, -1, '第二種住居地域', '二住', '二住', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 7, '00907', 7, 0, -1, -1, -1, -1, -1, '準住居地域', '準住', '準住', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 8, '00908', 8, 0, -1, -1, -1, -1, -1, '近隣商業地域', '近商', '近商', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 10, '00910', 10, 0, -1, -1, -1, -1, -1, '準工業地域', '準工', '準工', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 11, '00911', 11, 0, -1, -1, -1, -1, -1, '工業地域', '工業', '工業', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 12, '00912', 12, 0, -1, -1, -1, -1, -1, '工業専用地域', '工専', '工専', NULL);
INSERT INTO YoutoChiikiTbl VALUES ('10008', 99, '00999', 13, 0, -1, -1, -1, -1, -1, '指定なし', '指定なし', '指定なし', NULL);

-- Building uses (sample entries); the former class is not shown in the application program.
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 9, '08260', 9, 0, -1, -1, -1, -1, -1, '病院', '病院', '病院', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 1, '08010', 1, -1, -1, -1, -1, -1, -1, '一戸建ての住宅', '一戸建', '一戸建', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 2, '08020', 2, 0, -1, -1, -1, -1, -1, '長屋', '長屋', '長屋', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 3, '08030', 3, 0, -1, -1, -1, -1, -1, '共同住宅', '共同住宅', '共同住宅', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 13, '08990', 13, 0, 0, -1, -1, -1, -1, 'その他（旧分類）', 'その他（旧）', 'その他（旧）', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 4, '08040', 4, 0, -1, -1, -1, -1, -1, '寄宿舎', '寄宿舎', '寄宿舎', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 5, '08060', 5, 0, -1, -1, -1, -1, -1, '住宅で事務所、店舗その他これらに類する用途を兼ねるもの', '兼用住宅', '兼用住宅', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 6, '08070', 6, 0, -1, -1, -1, -1, -1, '幼稚園', '幼稚園', '幼稚園', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 7, '08080', 7, 0, -1, -1, -1, -1, -1, '小学校', '小学校', '小学校', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 8, '08130', 8, 0, -1, -1, -1, -1, -1, '各種学校', '各種学校', '各種学校', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 10, '08440', 10, 0, -1, -1, -1, -1, -1, 'ホテル又は旅館', 'ホテル・旅館', 'ホテル・旅館', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 11, '08530', 11, 0, -1, -1, -1, -1, -1, '劇場、映画館又は演芸場', '劇場等', '劇場等', NULL);
INSERT INTO TatemonoYoutoTbl VALUES ('10009', 12, '08540', 12, 0, -1, -1, -1, -1, -1, '観覧場', '観覧場', '観覧場', NULL);

INSERT INTO KoujiShubetsuTbl VALUES ('10010', 1, '01601', 1, -1, -1, -1, -1, -1, -1, '新築', '新築', '新築', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 2, '01602', 2, 0, -1, -1, -1, -1, -1, '増築', '増築', '増築', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 3, '01603', 3, 0, -1, -1, -1, -1, -1, '改築', '改築', '改築', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 4, '01604', 4, 0, -1, -1, -1, -1, -1, '移転', '移転', '移転', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 5, '01605', 5, 0, -1, -1, -1, -1, -1, '用途変更', '用途変更', '用途変更', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 6, '01606', 6, 0, -1, -1, -1, -1, -1, '大規模の修繕', '大規模の修繕', '大規模の修繕', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 7, '01607', 7, 0, -1, -1, -1, -1, -1, '大規模の模様替', '大規模の模様替', '大規模の模様替', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 8, '01608', 8, 0, -1, -1, -1, -1, -1, '建築設備の設置', '建築設備の設置', '建築設備の設置', NULL);
INSERT INTO KoujiShubetsuTbl VALUES ('10010', 99, '01699', 99, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO ShoukoukiShubetsuTbl VALUES ('10011', 1, '01101', 1, -1, -1, -1, -1, -1, -1, 'エレベーター', 'エレベーター', 'エレベーター', NULL);
INSERT INTO ShoukoukiShubetsuTbl VALUES ('10011', 2, '01102', 2, 0, -1, -1, -1, -1, -1, 'エスカレーター', 'エスカレーター', 'エスカレーター', NULL);
INSERT INTO ShoukoukiShubetsuTbl VALUES ('10011', 3, '01103', 3, 0, -1, -1, -1, -1, -1, '小荷物専用昇降機', '小荷物専用昇降機', '小荷物専用昇降機', NULL);

INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 1, '01201', 1, -1, -1, -1, -1, -1, -1, '乗用', '乗用', '乗用', NULL);
INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 2, '01202', 2, 0, -1, -1, -1, -1, -1, '人荷共用', '人荷共用', '人荷共用', NULL);
INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 3, '01203', 3, 0, -1, -1, -1, -1, -1, '寝台用', '寝台用', '寝台用', NULL);
INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 4, '01204', 4, 0, -1, -1, -1, -1, -1, '荷物用', '荷物用', '荷物用', NULL);
INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 5, '01205', 5, 0, -1, -1, -1, -1, -1, '自動車運搬用', '自動車運搬用', '自動車運搬用', NULL);
INSERT INTO ShoukoukiYoutoTbl VALUES ('10012', 99, '01299', 99, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

-- Structure kinds; the former class is not shown in the application program.
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 5, '02405', 5, 0, -1, -1, -1, -1, -1, '鉄筋コンクリート造', 'ＲＣ造', 'ＲＣ造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 1, '02401', 1, -1, -1, -1, -1, -1, -1, '木造', '木造', '木造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 2, '02402', 2, 0, -1, -1, -1, -1, -1, '組積造', '組積造', '組積造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 3, '02403', 3, 0, -1, -1, -1, -1, -1, '補強コンクリートブロック造', '補強ＣＢ造', '補強ＣＢ造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 90, '02490', 9, 0, 0, -1, -1, -1, -1, '混構造（旧）', '混構造', '混構造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 4, '02404', 4, 0, -1, -1, -1, -1, -1, '鉄骨造', 'Ｓ造', 'Ｓ造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 6, '02406', 6, 0, -1, -1, -1, -1, -1, '鉄骨鉄筋コンクリート造', 'ＳＲＣ造', 'ＳＲＣ造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 7, '02407', 7, 0, -1, -1, -1, -1, -1, '無筋コンクリート造', '無筋Ｃ造', '無筋Ｃ造', NULL);
INSERT INTO KouzouShubetsuTbl VALUES ('10013', 99, '02499', 8, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

-- Fire-resistance classes, with half-width parentheses as the file holds them.
INSERT INTO TaikaShubetsuTbl VALUES ('10014', 1, '02501', 1, -1, -1, -1, -1, -1, -1, '耐火建築物', '耐火建築物', '耐火建築物', NULL);
INSERT INTO TaikaShubetsuTbl VALUES ('10014', 2, '02502', 2, 0, -1, -1, -1, -1, -1, '準耐火建築物(イ)', '準耐火建築物(イ)', '準耐火建築物(イ)', NULL);
INSERT INTO TaikaShubetsuTbl VALUES ('10014', 3, '02503', 3, 0, -1, -1, -1, -1, -1, '準耐火建築物(ロ－１)', '準耐火建築物(ロ－１)', '準耐火建築物(ロ－１)', NULL);
INSERT INTO TaikaShubetsuTbl VALUES ('10014', 4, '02504', 4, 0, -1, -1, -1, -1, -1, '準耐火建築物(ロ－２)', '準耐火建築物(ロ－２)', '準耐火建築物(ロ－２)', NULL);
INSERT INTO TaikaShubetsuTbl VALUES ('10014', 99, '02599', 99, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO ZadazezTokureiTbl VALUES ('10015', 0, '03600', 1, -1, -1, -1, -1, -1, -1, '確認の特例の適用なし', '無', '無', NULL);
INSERT INTO ZadazezTokureiTbl VALUES ('10015', 1, '03601', 2, 0, -1, -1, -1, -1, -1, '確認の特例の適用あり', '有', '有', NULL);

INSERT INTO Rei13_2KenchikubutsuKubunTbl VALUES ('10016', 1, '03701', 1, -1, -1, -1, -1, -1, -1, '法第６条第１項第一号に掲げる建築物', '１号', '１号', NULL);
INSERT INTO Rei13_2KenchikubutsuKubunTbl VALUES ('10016', 2, '03702', 2, 0, -1, -1, -1, -1, -1, '法第６条第１項第二号に掲げる建築物', '２号', '２号', NULL);
INSERT INTO Rei13_2KenchikubutsuKubunTbl VALUES ('10016', 3, '03703', 3, 0, -1, -1, -1, -1, -1, '法第６条第１項第三号に掲げる建築物', '３号', '３号', NULL);
INSERT INTO Rei13_2KenchikubutsuKubunTbl VALUES ('10016', 4, '03704', 4, 0, -1, -1, -1, -1, -1, '法第６条第１項第四号に掲げる建築物', '４号', '４号', NULL);

INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 1, '03801', 1, -1, -1, -1, -1, -1, -1, '煙突', '煙突', '煙突', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 2, '03802', 2, 0, -1, -1, -1, -1, -1, '鉄筋コンクリート造の柱等', '鉄筋コンクリート造の柱等', '鉄筋コンクリート造の柱等', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 3, '03803', 3, 0, -1, -1, -1, -1, -1, '広告塔', '広告塔', '広告塔', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 4, '03804', 4, 0, -1, -1, -1, -1, -1, '高架水槽等', '高架水槽等', '高架水槽等', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 5, '03805', 5, 0, -1, -1, -1, -1, -1, '擁壁', '擁壁', '擁壁', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 6, '03806', 6, 0, -1, -1, -1, -1, -1, '乗用エレベーター又はエスカレーター', '乗用エレベーター又はエスカレーター', '乗用エレベーター又はエスカレーター', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 7, '03807', 7, 0, -1, -1, -1, -1, -1, 'ウォーターシュート等', 'ウォーターシュート等', 'ウォーターシュート等', NULL);
INSERT INTO KousakubutsuShuruiHou88_1Tbl VALUES ('10017', 8, '03808', 8, 0, -1, -1, -1, -1, -1, 'メリーゴーラウンド等', 'メリーゴーラウンド等', 'メリーゴーラウンド等', NULL);

INSERT INTO KousakubutsuYoutoHou88_2Tbl VALUES ('10018', 1, '03901', 1, -1, -1, -1, -1, -1, -1, '製造施設', '製造施設', '製造施設', NULL);
INSERT INTO KousakubutsuYoutoHou88_2Tbl VALUES ('10018', 2, '03902', 2, 0, -1, -1, -1, -1, -1, '貯蔵施設', '貯蔵施設', '貯蔵施設', NULL);
INSERT INTO KousakubutsuYoutoHou88_2Tbl VALUES ('10018', 3, '03903', 3, 0, -1, -1, -1, -1, -1, '遊戯施設', '遊戯施設', '遊戯施設', NULL);
INSERT INTO KousakubutsuYoutoHou88_2Tbl VALUES ('10018', 4, '03904', 4, 0, -1, -1, -1, -1, -1, '処理施設', '処理施設', '処理施設', NULL);

INSERT INTO ShigaichiTbl VALUES ('10019', 1, '00801', 1, -1, -1, -1, -1, -1, -1, '市街化区域', '市街化区域', '市街化区域', NULL);
INSERT INTO ShigaichiTbl VALUES ('10019', 2, '00802', 2, 0, -1, -1, -1, -1, -1, '市街化調整区域', '市街化調整区域', '市街化調整区域', NULL);
INSERT INTO ShigaichiTbl VALUES ('10019', 3, '00803', 3, 0, -1, -1, -1, -1, -1, '区域区分非設定', '区域区分非設定', '区域区分非設定', NULL);

INSERT INTO Hou22KuikiTbl VALUES ('10020', 1, '04001', 1, -1, -1, -1, -1, -1, -1, '法第２２条区域内', '法第２２条区域内', '法第２２条区域内', NULL);
INSERT INTO Hou22KuikiTbl VALUES ('10020', 2, '04002', 2, 0, -1, -1, -1, -1, -1, '法第２２条区域外', '法第２２条区域外', '法第２２条区域外', NULL);

INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 1, '04101', 1, -1, -1, -1, -1, -1, -1, '国', '国', '国', NULL);
INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 2, '04102', 2, 0, -1, -1, -1, -1, -1, '都道府県', '都道府県', '都道府県', NULL);
INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 3, '04103', 3, 0, -1, -1, -1, -1, -1, '市区町村', '市区町村', '市区町村', NULL);
INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 4, '04104', 4, 0, -1, -1, -1, -1, -1, '会社', '会社', '会社', NULL);
INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 5, '04105', 5, 0, -1, -1, -1, -1, -1, '会社でない団体', '会社でない団体', '会社でない団体', NULL);
INSERT INTO KenchikunushiShubetsuKoujitodokeTbl VALUES ('10021', 6, '04106', 6, 0, -1, -1, -1, -1, -1, '個人', '個人', '個人', NULL);

-- Industries (sample entries); the former class is not shown in the application program.
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 5, '04205', 5, 0, -1, -1, -1, -1, -1, '卸売・小売業', '卸売・小売業', '卸売・小売業', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 1, '04201', 1, -1, -1, -1, -1, -1, -1, '農業、林業、漁業', '農林漁業', '農林漁業', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 2, '04202', 2, 0, -1, -1, -1, -1, -1, '建設業', '建設業', '建設業', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 90, '04290', 7, 0, 0, -1, -1, -1, -1, '分類不能（旧）', '分類不能', '分類不能', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 3, '04203', 3, 0, -1, -1, -1, -1, -1, '製造業', '製造業', '製造業', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 4, '04204', 4, 0, -1, -1, -1, -1, -1, '運輸業', '運輸業', '運輸業', NULL);
INSERT INTO GyoushuKoujitodokeTbl VALUES ('10022', 99, '04299', 6, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

-- City-planning areas; the former class is not shown in the application program.
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 3, '04303', 3, 0, -1, -1, -1, -1, -1, '区域区分非設定', '非線引き', '非線引き', NULL);
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 1, '04301', 1, -1, -1, -1, -1, -1, -1, '市街化区域', '市街化', '市街化', NULL);
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 2, '04302', 2, 0, -1, -1, -1, -1, -1, '市街化調整区域', '調整', '調整', NULL);
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 90, '04390', 6, 0, 0, -1, -1, -1, -1, '未線引き（旧）', '未線引き', '未線引き', NULL);
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 4, '04304', 4, 0, -1, -1, -1, -1, -1, '準都市計画区域', '準都計', '準都計', NULL);
INSERT INTO ToshikeikakuKuikiKoujitodokeTbl VALUES ('10023', 5, '04305', 5, 0, -1, -1, -1, -1, -1, '都市計画区域外', '都計外', '都計外', NULL);

INSERT INTO KoujiShubetsuKoujitodokeTbl VALUES ('10024', 1, '01801', 1, -1, -1, -1, -1, -1, -1, '新築', '新築', '新築', NULL);
INSERT INTO KoujiShubetsuKoujitodokeTbl VALUES ('10024', 2, '01802', 2, 0, -1, -1, -1, -1, -1, '増築', '増築', '増築', NULL);
INSERT INTO KoujiShubetsuKoujitodokeTbl VALUES ('10024', 3, '01803', 3, 0, -1, -1, -1, -1, -1, '改築', '改築', '改築', NULL);
INSERT INTO KoujiShubetsuKoujitodokeTbl VALUES ('10024', 4, '01804', 4, 0, -1, -1, -1, -1, -1, '移転', '移転', '移転', NULL);

INSERT INTO TayoutoKubunKoujitodokeTbl VALUES ('10025', 1, '04401', 1, -1, -1, -1, -1, -1, -1, '居住専用', '居住専用', '居住専用', NULL);
INSERT INTO TayoutoKubunKoujitodokeTbl VALUES ('10025', 2, '04402', 2, 0, -1, -1, -1, -1, -1, '居住産業併用', '居住産業併用', '居住産業併用', NULL);
INSERT INTO TayoutoKubunKoujitodokeTbl VALUES ('10025', 3, '04403', 3, 0, -1, -1, -1, -1, -1, '産業専用', '産業専用', '産業専用', NULL);

INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 1, '04501', 1, -1, -1, -1, -1, -1, -1, '木造', '木造', '木造', NULL);
INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 2, '04502', 2, 0, -1, -1, -1, -1, -1, '鉄骨鉄筋コンクリート造', '鉄骨鉄筋コンクリート造', '鉄骨鉄筋コンクリート造', NULL);
INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 3, '04503', 3, 0, -1, -1, -1, -1, -1, '鉄筋コンクリート造', '鉄筋コンクリート造', '鉄筋コンクリート造', NULL);
INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 4, '04504', 4, 0, -1, -1, -1, -1, -1, '鉄骨造', '鉄骨造', '鉄骨造', NULL);
INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 5, '04505', 5, 0, -1, -1, -1, -1, -1, 'コンクリートブロック造', 'コンクリートブロック造', 'コンクリートブロック造', NULL);
INSERT INTO KoujibubunKouzouKoujitodokeTbl VALUES ('10026', 6, '04506', 6, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO JuutakuKoujiShubetsuKoujitodokeTbl VALUES ('10027', 1, '04601', 1, -1, -1, -1, -1, -1, -1, '新築', '新築', '新築', NULL);
INSERT INTO JuutakuKoujiShubetsuKoujitodokeTbl VALUES ('10027', 2, '04602', 2, 0, -1, -1, -1, -1, -1, '増築', '増築', '増築', NULL);
INSERT INTO JuutakuKoujiShubetsuKoujitodokeTbl VALUES ('10027', 3, '04603', 3, 0, -1, -1, -1, -1, -1, '改築', '改築', '改築', NULL);

-- Housing finance. Codes 07003 and 07004 hold the bodies' former names, as older files do; the
-- program corrects them at start-up where the file can be changed.
INSERT INTO JuutakuShikinKoujitodokeTbl VALUES ('10028', 1, '07001', 1, -1, -1, -1, -1, -1, -1, '民間資金', '民間資金', '民間資金', NULL);
INSERT INTO JuutakuShikinKoujitodokeTbl VALUES ('10028', 2, '07002', 2, 0, -1, -1, -1, -1, -1, '公営', '公営', '公営', NULL);
INSERT INTO JuutakuShikinKoujitodokeTbl VALUES ('10028', 3, '07003', 3, 0, -1, -1, -1, -1, -1, '住宅金融公庫', '住宅金融公庫', '住宅金融公庫', NULL);
INSERT INTO JuutakuShikinKoujitodokeTbl VALUES ('10028', 4, '07004', 4, 0, -1, -1, -1, -1, -1, '都市基盤整備公団', '都市基盤整備公団', '都市基盤整備公団', NULL);
INSERT INTO JuutakuShikinKoujitodokeTbl VALUES ('10028', 5, '07005', 5, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO JuutakuKouhouKoujitodokeTbl VALUES ('10029', 1, '04701', 1, -1, -1, -1, -1, -1, -1, '在来工法', '在来工法', '在来工法', NULL);
INSERT INTO JuutakuKouhouKoujitodokeTbl VALUES ('10029', 2, '04702', 2, 0, -1, -1, -1, -1, -1, 'プレハブ工法', 'プレハブ工法', 'プレハブ工法', NULL);
INSERT INTO JuutakuKouhouKoujitodokeTbl VALUES ('10029', 3, '04703', 3, 0, -1, -1, -1, -1, -1, '枠組壁工法', '枠組壁工法', '枠組壁工法', NULL);

INSERT INTO JuutakuShuruiKoujitodokeTbl VALUES ('10030', 1, '04801', 1, -1, -1, -1, -1, -1, -1, '持家', '持家', '持家', NULL);
INSERT INTO JuutakuShuruiKoujitodokeTbl VALUES ('10030', 2, '04802', 2, 0, -1, -1, -1, -1, -1, '貸家', '貸家', '貸家', NULL);
INSERT INTO JuutakuShuruiKoujitodokeTbl VALUES ('10030', 3, '04803', 3, 0, -1, -1, -1, -1, -1, '給与住宅', '給与住宅', '給与住宅', NULL);
INSERT INTO JuutakuShuruiKoujitodokeTbl VALUES ('10030', 4, '04804', 4, 0, -1, -1, -1, -1, -1, '分譲住宅', '分譲住宅', '分譲住宅', NULL);

INSERT INTO JokyakuGeninTbl VALUES ('10031', 1, '04901', 1, -1, -1, -1, -1, -1, -1, '老朽', '老朽', '老朽', NULL);
INSERT INTO JokyakuGeninTbl VALUES ('10031', 2, '04902', 2, 0, -1, -1, -1, -1, -1, '災害', '災害', '災害', NULL);
INSERT INTO JokyakuGeninTbl VALUES ('10031', 3, '04903', 3, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 1, '05001', 1, -1, -1, -1, -1, -1, -1, '木造', '木造', '木造', NULL);
INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 2, '05002', 2, 0, -1, -1, -1, -1, -1, '鉄骨鉄筋コンクリート造', '鉄骨鉄筋コンクリート造', '鉄骨鉄筋コンクリート造', NULL);
INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 3, '05003', 3, 0, -1, -1, -1, -1, -1, '鉄筋コンクリート造', '鉄筋コンクリート造', '鉄筋コンクリート造', NULL);
INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 4, '05004', 4, 0, -1, -1, -1, -1, -1, '鉄骨造', '鉄骨造', '鉄骨造', NULL);
INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 5, '05005', 5, 0, -1, -1, -1, -1, -1, 'コンクリートブロック造', 'コンクリートブロック造', 'コンクリートブロック造', NULL);
INSERT INTO JokyakuKenchikubutsuKouzouTbl VALUES ('10032', 6, '05006', 6, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);

INSERT INTO JokyakuKenchikubutsuJuutakuKankeiTbl VALUES ('10033', 1, '05101', 1, -1, -1, -1, -1, -1, -1, '持家', '持家', '持家', NULL);
INSERT INTO JokyakuKenchikubutsuJuutakuKankeiTbl VALUES ('10033', 2, '05102', 2, 0, -1, -1, -1, -1, -1, '貸家', '貸家', '貸家', NULL);
INSERT INTO JokyakuKenchikubutsuJuutakuKankeiTbl VALUES ('10033', 3, '05103', 3, 0, -1, -1, -1, -1, -1, '給与住宅', '給与住宅', '給与住宅', NULL);

-- Eras, by the era codes of the documents.
INSERT INTO GengouTbl VALUES ('10034', 1, '01', 1, -1, -1, -1, -1, -1, -1, '昭和', 'Ｓ', 'Ｓ', NULL);
INSERT INTO GengouTbl VALUES ('10034', 2, '02', 2, 0, -1, -1, -1, -1, -1, '平成', 'Ｈ', 'Ｈ', NULL);

INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 1, '05201', 1, -1, -1, -1, -1, -1, -1, '新築', '新築', '新築', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 2, '05202', 2, 0, -1, -1, -1, -1, -1, '増築', '増築', '増築', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 3, '05203', 3, 0, -1, -1, -1, -1, -1, '改築', '改築', '改築', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 4, '05204', 4, 0, -1, -1, -1, -1, -1, '移転', '移転', '移転', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 5, '05205', 5, 0, -1, -1, -1, -1, -1, '用途変更', '用途変更', '用途変更', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 6, '05206', 6, 0, -1, -1, -1, -1, -1, '大規模の修繕', '大規模の修繕', '大規模の修繕', NULL);
INSERT INTO KoujiShubetsuKyokaTbl VALUES ('10035', 7, '05207', 7, 0, -1, -1, -1, -1, -1, '大規模の模様替', '大規模の模様替', '大規模の模様替', NULL);

INSERT INTO Hou52_7TekiyouTbl VALUES ('10036', 1, '05301', 1, -1, -1, -1, -1, -1, -1, '適用区域内', '適用区域内', '適用区域内', NULL);
INSERT INTO Hou52_7TekiyouTbl VALUES ('10036', 2, '05302', 2, 0, -1, -1, -1, -1, -1, '適用区域外', '適用区域外', '適用区域外', NULL);

INSERT INTO Hou52_7TokureiTbl VALUES ('10037', 1, '05401', 1, -1, -1, -1, -1, -1, -1, '特例あり', '有', '有', NULL);
INSERT INTO Hou52_7TokureiTbl VALUES ('10037', 2, '05402', 2, 0, -1, -1, -1, -1, -1, '特例なし', '無', '無', NULL);

INSERT INTO TenkuritsuKubunTbl VALUES ('10038', 1, '05501', 1, -1, -1, -1, -1, -1, -1, '道路高さ制限', 'イ', 'イ', NULL);
INSERT INTO TenkuritsuKubunTbl VALUES ('10038', 2, '05502', 2, 0, -1, -1, -1, -1, -1, '隣地高さ制限', 'ロ', 'ロ', NULL);
INSERT INTO TenkuritsuKubunTbl VALUES ('10038', 3, '05503', 3, 0, -1, -1, -1, -1, -1, '北側高さ制限', 'ハ', 'ハ', NULL);

INSERT INTO ShuyouyoutoKoujitodokeTbl VALUES ('10039', 1, '05601', 1, -1, -1, -1, -1, -1, -1, '居住専用住宅', '居住専用住宅', '居住専用住宅', NULL);
INSERT INTO ShuyouyoutoKoujitodokeTbl VALUES ('10039', 2, '05602', 2, 0, -1, -1, -1, -1, -1, '居住専用準住宅', '居住専用準住宅', '居住専用準住宅', NULL);
INSERT INTO ShuyouyoutoKoujitodokeTbl VALUES ('10039', 3, '05603', 3, 0, -1, -1, -1, -1, -1, '居住産業併用建築物', '居住産業併用建築物', '居住産業併用建築物', NULL);
INSERT INTO ShuyouyoutoKoujitodokeTbl VALUES ('10039', 4, '05604', 4, 0, -1, -1, -1, -1, -1, '産業専用建築物', '産業専用建築物', '産業専用建築物', NULL);

-- Main uses: Bangou 1 to 5 the main uses of a construction notice, Bangou 11 to 13 the
-- categories (01811 to 01813) that the notice forms store.
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 12, '01812', 12, 0, -1, -1, -1, -1, -1, '居住産業併用建築物', '居住産業併用', '居住産業併用', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 3, '01823', 3, 0, -1, -1, -1, -1, -1, '居住産業併用建築物', '居住産業併用', '居住産業併用', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 1, '01821', 1, -1, -1, -1, -1, -1, -1, '居住専用住宅', '居住専用住宅', '居住専用住宅', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 5, '01825', 5, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 11, '01811', 11, 0, -1, -1, -1, -1, -1, '居住専用建築物', '居住専用', '居住専用', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 2, '01822', 2, 0, -1, -1, -1, -1, -1, '居住専用準住宅', '居住専用準住宅', '居住専用準住宅', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 4, '01824', 4, 0, -1, -1, -1, -1, -1, '産業専用建築物', '産業専用', '産業専用', NULL);
INSERT INTO ShuyouyoutoKubunKoujitodokeTbl VALUES ('10040', 13, '01813', 13, 0, -1, -1, -1, -1, -1, '産業専用建築物', '産業専用', '産業専用', NULL);

INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 1, '05701', 1, -1, -1, -1, -1, -1, -1, '居住専用住宅', '居住専用住宅', '居住専用住宅', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 2, '05702', 2, 0, -1, -1, -1, -1, -1, '事務所', '事務所', '事務所', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 3, '05703', 3, 0, -1, -1, -1, -1, -1, '店舗', '店舗', '店舗', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 4, '05704', 4, 0, -1, -1, -1, -1, -1, '工場', '工場', '工場', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 5, '05705', 5, 0, -1, -1, -1, -1, -1, '倉庫', '倉庫', '倉庫', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 6, '05706', 6, 0, -1, -1, -1, -1, -1, '学校', '学校', '学校', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 7, '05707', 7, 0, -1, -1, -1, -1, -1, '病院・診療所', '病院・診療所', '病院・診療所', NULL);
INSERT INTO TatemonoYoutoKoujitodokeTbl VALUES ('10041', 99, '05799', 99, 0, -1, -1, -1, -1, -1, 'その他', 'その他', 'その他', NULL);
