-- Rows of the sample COM_CHIIKI.mdb: eight regions and the 47 prefectures in their number order,
-- each prefecture once, in the region it lies in. The region 関東 is the initial selection.
-- Columns: ChiikiBangou, ChiikiRenban, ChiikiMei, TodoufukenBangou, Todoufuken,
-- ShokiSentakuFlg, Bikou. Yes/No values are -1 and 0.

INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '北海道', 1, '北海道', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (2, 1, '東北', 2, '青森県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (2, 2, '東北', 3, '岩手県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (2, 3, '東北', 4, '宮城県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (2, 4, '東北', 5, '秋田県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (2, 5, '東北', 6, '山形県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (2, 6, '東北', 7, '福島県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (3, 1, '関東', 8, '茨城県', -1, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 2, '関東', 9, '栃木県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 3, '関東', 10, '群馬県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 4, '関東', 11, '埼玉県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 5, '関東', 12, '千葉県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 6, '関東', 13, '東京都', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (3, 7, '関東', 14, '神奈川県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (4, 1, '中部', 15, '新潟県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 2, '中部', 16, '富山県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 3, '中部', 17, '石川県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 4, '中部', 18, '福井県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 5, '中部', 19, '山梨県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 6, '中部', 20, '長野県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 7, '中部', 21, '岐阜県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 8, '中部', 22, '静岡県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (4, 9, '中部', 23, '愛知県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (5, 1, '近畿', 24, '三重県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 2, '近畿', 25, '滋賀県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 3, '近畿', 26, '京都府', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 4, '近畿', 27, '大阪府', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 5, '近畿', 28, '兵庫県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 6, '近畿', 29, '奈良県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (5, 7, '近畿', 30, '和歌山県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (6, 1, '中国', 31, '鳥取県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (6, 2, '中国', 32, '島根県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (6, 3, '中国', 33, '岡山県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (6, 4, '中国', 34, '広島県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (6, 5, '中国', 35, '山口県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (7, 1, '四国', 36, '徳島県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (7, 2, '四国', 37, '香川県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (7, 3, '四国', 38, '愛媛県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (7, 4, '四国', 39, '高知県', 0, NULL);

INSERT INTO AppChiikiShiteiTbl VALUES (8, 1, '九州・沖縄', 40, '福岡県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 2, '九州・沖縄', 41, '佐賀県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 3, '九州・沖縄', 42, '長崎県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 4, '九州・沖縄', 43, '熊本県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 5, '九州・沖縄', 44, '大分県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 6, '九州・沖縄', 45, '宮崎県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 7, '九州・沖縄', 46, '鹿児島県', 0, NULL);
INSERT INTO AppChiikiShiteiTbl VALUES (8, 8, '九州・沖縄', 47, '沖縄県', 0, NULL);
