-- Rows of the sample APP_USER_REGIST.mdb: the owners, applicants, architects, constructors and
-- equipment adviser that the sample documents name, with addresses, specified processes, roofs,
-- outer walls and stock phrases to pick from. Codes are those of the sample COM_CODE.mdb
-- (architects' classes 00101 to 00103 and 00301 to 00303, the registration issuers and the
-- construction licence issuers); prefecture numbers are those of COM_CHIIKI.mdb. The row shown
-- first (ShokisentakuFlg -1) is the initial selection.

INSERT INTO AppKenchikunushiTbl (Houjijun, ShokisentakuFlg, Furigana, Shimei, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Juusho, DenwaBangou1, DenwaBangou2, DenwaBangou3, Bikou) VALUES
    (1, -1, 'ヤマダ タロウ', '山田 太郎', '160', '0023', 13, '東京都新宿区西新宿三丁目5番2号', '03', '3345', '6789', NULL),
    (2, 0, 'カブシキガイシャサクラダイカイハツ', '株式会社さくら台開発　代表取締役　佐藤 一郎', '220', '0012', 14, '神奈川県横浜市西区みなとみらい二丁目3番1号', '045', '221', '4500', NULL),
    (3, 0, 'ヒガシヤマシチョウ タカハシ カズオ', '東山市長　高橋 和夫', '350', '1101', 11, '埼玉県東山市本町一丁目1番1号', '049', '222', '1111', NULL),
    (4, 0, 'カブシキガイシャエキマエアド', '株式会社駅前アド　代表取締役　伊藤 健二', '141', '0021', 13, '東京都品川区上大崎二丁目14番3号', '03', '3490', '2211', NULL),
    (5, 0, 'トウブナマコンカブシキガイシャ', '東部生コン株式会社　代表取締役　渡辺 修', '340', '0002', 11, '埼玉県草加市青柳五丁目8番20号', '048', '936', '5100', NULL),
    (6, 0, 'スズキ ハナコ', '鈴木 花子', '140', '0011', 13, '東京都品川区東大井三丁目9番4号', '03', '3471', '0808', NULL),
    (7, 0, 'マエダ ケンイチ', '前田 健一', '', '', 13, '東京都世田谷区', '', '', '', '連絡先未登録');

INSERT INTO AppShinseishaTbl (Hyoujijun, ShokisentakuFlg, Furigana, Shimei, Bikou) VALUES
    (1, -1, 'ヤマダ タロウ', '山田 太郎', NULL),
    (2, 0, 'カブシキガイシャサクラダイカイハツ', '株式会社さくら台開発　代表取締役　佐藤 一郎', NULL),
    (3, 0, 'スズキ ハナコ', '鈴木 花子', NULL);

INSERT INTO AppSekkeishaTbl (Hyoujijun, ShokisentakuFlg, KenchikushiShikaku, SekkeishaTourokuShubetsu, KenchikushiTourokuBangou, Shimei, JimushoShikaku, JimushoTourokuShubetsu, JImushoTourokuBangou, Meishou, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Shozaoti, DenwaBangou1, DenwaBangou2, DenwaBangou3, Bikou) VALUES
    (1, -1, '00101', '00200', '第234567号', '中村 誠', '00301', '00413', '第45678号', '中村建築設計事務所', '150', '0002', 13, '東京都渋谷区渋谷二丁目10番8号', '03', '5466', '1234', NULL),
    (2, 0, '00101', '00200', '第301234号', '小林 由美', '00301', '00414', '第12-3456号', 'アトリエK&S一級建築士事務所', '231', '0023', 14, '神奈川県横浜市中区山下町25番地', '045', '641', '7070', NULL),
    (3, 0, '00102', '00211', '第5432号', '加藤 浩', '00302', '00411', '第(1)2345号', '加藤設計室', '330', '0854', 11, '埼玉県さいたま市大宮区桜木町一丁目7番5号', '048', '645', '3210', NULL);

INSERT INTO AppSekoushaTbl (Hyoujijun, ShokisentakuFlg, Shimei, KensetsugyouKyokaShubetsu, TourokuBangou, Meishou, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Shozaiti, DenwaBangou1, DenwaBangou2, DenwaBangou3, Bikou) VALUES
    (1, -1, '山本 勇', '00513', '(般-20)第12345号', '株式会社山本工務店', '164', '0001', 13, '東京都中野区中野五丁目32番1号', '03', '3385', '4411', NULL),
    (2, 0, '松本 茂', '00500', '(特-21)第6789号', '松本建設株式会社　東京支店', '104', '0031', 13, '東京都中央区京橋一丁目3番2号', '03', '3561', '8000', NULL),
    (3, 0, '井上 聡', '00511', '(般-19)第23456号', '井上電気工業株式会社', '330', '0802', 11, '埼玉県さいたま市大宮区宮町三丁目20番地', '048', '641', '2020', NULL);

INSERT INTO AppSetsubishaTbl (Hyoujijun, ShokisentakuFlg, Shimei, TourokuBangou, Kinmusaki, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Shozaiti, DenwaBangou1, DenwaBangou2, DenwaBangou3, Bikou) VALUES
    (1, -1, '木村 隆', '建築設備士　第10234号', '木村設備設計事務所', '151', '0053', 13, '東京都渋谷区代々木一丁目22番1号', '03', '3370', '5566', NULL);

INSERT INTO AppChimeiChibanTbl (Hyoujijun, ShokisentakuFlg, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Juusho, ChimeiChibanCode, Bikou) VALUES
    (1, -1, '166', '0002', 13, '東京都杉並区高円寺北二丁目145番3', NULL, NULL),
    (2, 0, '227', '0062', 14, '神奈川県横浜市青葉区青葉台一丁目6番12', NULL, NULL),
    (3, 0, '140', '0011', 13, '東京都品川区東大井三丁目210番5', NULL, NULL);

INSERT INTO AppTokuteiKouteiTbl (Hyoujijun, ShokisentakuFlg, KoumokuMei, Bikou) VALUES
    (1, -1, '屋根の小屋組の工事及び構造耐力上主要な軸組の工事', NULL),
    (2, 0, '２階の床及びこれを支持するはりに鉄筋を配置する工事', NULL),
    (3, 0, '基礎の配筋工事', NULL);

INSERT INTO AppYaneTbl (Hyoujijun, ShokisentakuFlg, KoumokuMei, Bikou) VALUES
    (1, -1, 'ガルバリウム鋼板葺', NULL),
    (2, 0, 'スレート葺', NULL),
    (3, 0, '陸屋根（アスファルト防水）', NULL);

INSERT INTO AppGaihekiTbl (Hyoujijun, ShokisentakuFlg, KoumokuMei, Bikou) VALUES
    (1, -1, '窯業系サイディング張り', NULL),
    (2, 0, 'モルタル下地リシン吹付', NULL),
    (3, 0, 'けい酸カルシウム板張り', '軒裏');

INSERT INTO AppTanbunTbl (Tanbun) VALUES
    ('工事中も１階店舗部分の営業を継続する。'),
    ('外壁仕上げの変更及び２階床面積の変更'),
    ('給排水衛生設備、電気設備、換気設備');
