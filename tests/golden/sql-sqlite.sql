-- Written for SQLite: run it with sqlite3.

CREATE TABLE "Order ""Lines"" [v2]`" (
	"id" INTEGER NOT NULL,
	"small" SMALLINT,
	"tiny" TINYINT,
	"big" BIGINT,
	"amount" NUMERIC(12,3),
	"ratio" DOUBLE,
	"score" REAL,
	"flag" BOOLEAN,
	"day" DATE,
	"clock" TIME,
	"stamp" TIMESTAMP,
	"code" CHAR(3) NOT NULL,
	"note" NVARCHAR(200),
	"memo" TEXT,
	"blob" BLOB,
	"guid" UUID,
	"odd ""name"" ]`x" VARCHAR(20),
	PRIMARY KEY ("id", "code")
);

-- The XML triggers of the classic script are left out: they are written for SQL Server and Oracle.

SELECT
'<Lines>' ||
	'<id>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("id" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</id>' ||
	'<small>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("small" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</small>' ||
	'<tiny>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("tiny" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</tiny>' ||
	'<big>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("big" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</big>' ||
	'<amount>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("amount" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</amount>' ||
	'<ratio>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("ratio" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</ratio>' ||
	'<score>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("score" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</score>' ||
	'<flag>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("flag" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</flag>' ||
	'<day>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("day" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</day>' ||
	'<clock>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("clock" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</clock>' ||
	'<stamp>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("stamp" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</stamp>' ||
	'<code>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("code" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</code>' ||
	'<note>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("note" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</note>' ||
	'<memo>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("memo" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</memo>' ||
	'<blob>' || COALESCE(REPLACE(REPLACE(REPLACE(hex("blob"), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</blob>' ||
	'<guid>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("guid" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</guid>' ||
	'<odd__x0022_name_x0022___x005D__x0060_x>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("odd ""name"" ]`x" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</odd__x0022_name_x0022___x005D__x0060_x>' ||
'</Lines>'
FROM "Order ""Lines"" [v2]`";

BEGIN;
INSERT INTO "Order ""Lines"" [v2]`" ("id","small","tiny","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","guid","odd ""name"" ]`x") VALUES (1,12,3,9223372036854775807,12345.678,0.1,4.5,1,'2024-02-29','23:59:59.5','2024-05-06 07:08:09.123456','ABC','Hello','multi',X'00FF10','6F9619FF-8B86-D011-B42D-00C04FC964FF','plain');
INSERT INTO "Order ""Lines"" [v2]`" ("id","small","tiny","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","guid","odd ""name"" ]`x") VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,'NUL',NULL,NULL,NULL,NULL,NULL);
INSERT INTO "Order ""Lines"" [v2]`" ("id","small","tiny","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","guid","odd ""name"" ]`x") VALUES (3,-32768,0,-1,-0.001,9e999,-9e999,0,'1850-01-02','00:00:00','1899-12-31 00:00:00','a''b','O''Reilly \ back\\slash' || char(13) || char(10) || 'line	tab $(var) -- ; /* */ ' || char(1) || char(26) || char(0) || ' é 東京 🙂','',X'','','"quoted"');
INSERT INTO "Order ""Lines"" [v2]`" ("id","small","tiny","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","guid","odd ""name"" ]`x") VALUES (4,+7,1e3,0,'1,5',NULL,1e-45,'maybe','0001-01-01','12:00:00','2023-07-10 16:45:12','x','','',X'6E6F742062617365363421','','');
COMMIT;
