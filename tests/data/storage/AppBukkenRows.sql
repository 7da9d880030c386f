-- Rows of APP_BUKKEN.mdb for the recordset tests. Yes/No values are -1 and 0.
INSERT INTO AppBukkenKanriTbl VALUES (1, 'Plant A', '2008-01-31 00:00:00', -1, 1, '', 'memo');
INSERT INTO AppBukkenKanriTbl VALUES (2, '南町の家', '2009-10-10 14:05:30', 13, 0, 'C:\Zadazez\Obj\南町の家', NULL);
INSERT INTO AppBukkenKanriTbl VALUES (3, 'O''Hara 表', NULL, 27, 2, 'D:\表', '');

-- The documents of property 1 are numbered 3, 7 and 5, in that order of the table.
INSERT INTO AppBukkenShousaiTbl VALUES (3, 1, '確認申請書（建築物）', 100001, 0, 1, '2008-02-01 09:00:00', 'U-3', 'Z-3', 'G-3', 'Ka001.110', NULL);
INSERT INTO AppBukkenShousaiTbl VALUES (7, 1, '計画変更確認申請書（建築物）', 100301, 2, 3, '2008-05-20 17:45:00', '', NULL, 'G-7', 'Ka001.111', 'change');
INSERT INTO AppBukkenShousaiTbl VALUES (5, 1, '中間検査申請書（建築物）', 100101, 1, 2, NULL, 'U-5', 'Z-5', '', 'Ka001.160', '');
INSERT INTO AppBukkenShousaiTbl VALUES (1, 2, '確認申請書（昇降機）', 100002, 0, 1, '2009-10-10 14:05:30', 'U-21', 'Z-21', 'G-21', 'Ka001.120', 'lift');

INSERT INTO AppCheckoutTbl VALUES (4, 'Plant A', 2, 101, 'u101', '山田', '太郎', 'PC-04', NULL);
INSERT INTO AppCheckoutTbl VALUES (9, '南町の家', 1, -5, 'u-5', 'Smith', 'Jo', '', 'late');
