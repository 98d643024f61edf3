-- Written for MariaDB: run it with the mariadb client.
SET NAMES utf8mb4;
SET SESSION sql_mode = REPLACE(@@SESSION.sql_mode, 'NO_BACKSLASH_ESCAPES', '');

CREATE TABLE `Order "Lines" [v2]``` (
	`id` INT NOT NULL,
	`small` SMALLINT,
	`tiny` TINYINT,
	`big` BIGINT,
	`amount` DECIMAL(12,3),
	`ratio` DOUBLE,
	`score` FLOAT,
	`flag` BOOLEAN,
	`day` DATE,
	`clock` TIME(6),
	`stamp` DATETIME(6),
	`code` CHAR(3) NOT NULL,
	`note` VARCHAR(200),
	`memo` LONGTEXT,
	`blob` LONGBLOB,
	`guid` CHAR(36),
	`odd "name" ]``x` VARCHAR(20),
	PRIMARY KEY (`id`, `code`)
) DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;

-- The XML triggers of the classic script are left out: they are written for SQL Server and Oracle.

SELECT CONCAT(
'<Lines>',
	'<id>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`id` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</id>',
	'<small>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`small` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</small>',
	'<tiny>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`tiny` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</tiny>',
	'<big>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`big` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</big>',
	'<amount>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`amount` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</amount>',
	'<ratio>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`ratio` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</ratio>',
	'<score>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`score` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</score>',
	'<flag>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`flag` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</flag>',
	'<day>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`day` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</day>',
	'<clock>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`clock` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</clock>',
	'<stamp>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`stamp` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</stamp>',
	'<code>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`code` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</code>',
	'<note>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`note` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</note>',
	'<memo>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`memo` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</memo>',
	'<blob>', COALESCE(REPLACE(REPLACE(REPLACE(HEX(`blob`), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</blob>',
	'<guid>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`guid` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</guid>',
	'<odd__x0022_name_x0022___x005D__x0060_x>', COALESCE(REPLACE(REPLACE(REPLACE(CAST(`odd "name" ]``x` AS CHAR), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), ''), '</odd__x0022_name_x0022___x005D__x0060_x>',
'</Lines>')
FROM `Order "Lines" [v2]```;

START TRANSACTION;
INSERT INTO `Order "Lines" [v2]``` (`id`,`small`,`tiny`,`big`,`amount`,`ratio`,`score`,`flag`,`day`,`clock`,`stamp`,`code`,`note`,`memo`,`blob`,`guid`,`odd "name" ]``x`) VALUES (1,12,3,9223372036854775807,12345.678,0.1,4.5,TRUE,'2024-02-29','23:59:59.5','2024-05-06 07:08:09.123456','ABC','Hello','multi',X'00FF10','6F9619FF-8B86-D011-B42D-00C04FC964FF','plain');
INSERT INTO `Order "Lines" [v2]``` (`id`,`small`,`tiny`,`big`,`amount`,`ratio`,`score`,`flag`,`day`,`clock`,`stamp`,`code`,`note`,`memo`,`blob`,`guid`,`odd "name" ]``x`) VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,'NUL',NULL,NULL,NULL,NULL,NULL);
INSERT INTO `Order "Lines" [v2]``` (`id`,`small`,`tiny`,`big`,`amount`,`ratio`,`score`,`flag`,`day`,`clock`,`stamp`,`code`,`note`,`memo`,`blob`,`guid`,`odd "name" ]``x`) VALUES (3,-32768,0,-1,-0.001,'INF','-INF',FALSE,'1850-01-02','00:00:00','1899-12-31 00:00:00','a''b','O''Reilly \\ back\\\\slash\r\nline	tab $(var) -- ; /* */ \Z\0 é 東京 🙂','',X'','','"quoted"');
INSERT INTO `Order "Lines" [v2]``` (`id`,`small`,`tiny`,`big`,`amount`,`ratio`,`score`,`flag`,`day`,`clock`,`stamp`,`code`,`note`,`memo`,`blob`,`guid`,`odd "name" ]``x`) VALUES (4,+7,1e3,0,'1,5','NaN',1e-45,'maybe','0001-01-01','12:00:00','2023-07-10 16:45:12','x','','',X'6E6F742062617365363421','','');
COMMIT;
