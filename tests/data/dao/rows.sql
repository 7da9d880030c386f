-- Rows of the database test suite. Yes/No values are -1 and 0.
INSERT INTO AppShinseishaTbl VALUES (1, 0, 'ｱｵｷ', 'Aoki', NULL);
INSERT INTO AppShinseishaTbl VALUES (2, -1, 'ﾍﾞｰｶｰ', 'baker', '');
INSERT INTO AppShinseishaTbl VALUES (3, 0, 'ｵﾌﾞﾗｲｴﾝ', 'O''Brien', 'quote');
INSERT INTO AppShinseishaTbl VALUES (4, -1, '①～髙', '十能表', 'hard');
INSERT INTO AppShinseishaTbl VALUES (5, 0, 'ｽﾐｽ', 'Smith', NULL);
INSERT INTO AppShinseishaTbl VALUES (6, -1, 'ｽﾏｲｽ', 'smythe', 'x');
INSERT INTO AppShinseishaTbl VALUES (7, 0, 'ｶｰﾀｰ', 'CARTER', NULL);
INSERT INTO AppShinseishaTbl VALUES (8, 0, 'ｱﾀﾞﾑｽ', 'adams', 'lower');

INSERT INTO CodeTbl VALUES ('10001', 13, '01', 3, -1, '東京都知事', '東京');
INSERT INTO CodeTbl VALUES ('10001', 9999, '02', 1, -1, '国土交通大臣', '大臣');
INSERT INTO CodeTbl VALUES ('10001', 5, '03', 2, 0, '秋田県知事', '秋田');
INSERT INTO CodeTbl VALUES ('10001', 6, '04', 5, -1, '山形県知事', '山形');
INSERT INTO CodeTbl VALUES ('10001', 11, '05', 4, 0, '埼玉県知事', '埼玉');
INSERT INTO CodeTbl VALUES ('10001', 1, '06', 6, -1, '北海道知事', '北海道');
INSERT INTO CodeTbl VALUES ('10001', 20, '07', 7, -1, '長野県知事', '長野');

INSERT INTO AppBukkenKanriTbl VALUES (1, '物件Ａ', '2007-04-01 09:30:00', 13, 0, 'C:\Zadazez\Data', NULL);
INSERT INTO AppBukkenKanriTbl VALUES (2, 'ビル 十', '2008-12-31 00:00:00', 27, 1, 'D:\表', 'memo');
INSERT INTO AppBukkenKanriTbl VALUES (3, 'no date', NULL, 1, 0, '', NULL);

INSERT INTO AppSetsubishaTbl VALUES (1, -1, '設備 太郎', '設計室');
