-- Written for SQLite: run it with sqlite3.

CREATE TABLE "Odd ""Types"" [t]`" (
	"id" INTEGER NOT NULL,
	"small" SMALLINT,
	"big" BIGINT,
	"amount" NUMERIC(12,3),
	"ratio" DOUBLE,
	"score" REAL,
	"flag" BOOLEAN,
	"day" DATE,
	"clock" TIME,
	"stamp" TIMESTAMP,
	"code" CHAR(3) NOT NULL,
	"note" VARCHAR(200),
	"memo" TEXT,
	"blob" BLOB,
	"odd ""name"" ]`x" VARCHAR(40),
	"tiny" TINYINT,
	"wide" NVARCHAR(200),
	"guid" UUID,
	PRIMARY KEY ("id", "code")
);

-- The XML triggers of the classic script are left out: they are written for SQL Server and Oracle.

SELECT
'<Lines>' ||
	'<id>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("id" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</id>' ||
	'<small>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("small" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</small>' ||
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
	'<odd__x0022_name_x0022___x005D__x0060_x>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("odd ""name"" ]`x" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</odd__x0022_name_x0022___x005D__x0060_x>' ||
	'<tiny>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("tiny" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</tiny>' ||
	'<wide>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("wide" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</wide>' ||
	'<guid>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("guid" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</guid>' ||
'</Lines>'
FROM "Odd ""Types"" [t]`";

BEGIN;
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (1,12,9223372036854775807,12345.678,0.1,4.5,1,'2024-02-29','23:59:59','2024-05-06 07:08:09.123456','ABC','Hello','multi',X'00FF100A','plain',NULL,NULL,'6F9619FF-8B86-D011-B42D-00C04FC964FF');
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (3,-32768,-9223372036854775808,-0.001,1e+300,-2.5,0,'1850-01-02','00:00:00','1899-12-31 23:59:59.000001','a''b','O''Reilly \ back\\slash \'' \n \0 \Z "q" ' || char(13) || char(10) || 'end	tab','x' || char(10) || '.quit' || char(10) || '\q' || char(10) || 'GO' || char(10) || ':exit' || char(10) || 'delimiter //' || char(10) || '\. /etc/passwd' || char(10) || '$(name) -- ; /* */ ''',X'','é 東京 🙂 <&>',NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (4,0,0,0.000,-0.5,0,1,'0001-01-01','12:00:00','2024-01-01 00:00:00','','','bell' || char(7) || ' and ' || char(26),X'000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF','NULL',NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (5,+7,0,'1,5',NULL,-9e999,'maybe',NULL,'23:59:59.5',NULL,'x','$(var) ' || char(1) || ' nul:' || char(0) || ' 東京',NULL,X'6E6F742062617365363421','',1e3,'$(var) ' || char(1) || ' nul:' || char(0) || ' 東京','not a guid');
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (6,NULL,NULL,NULL,9e999,1e-45,NULL,NULL,NULL,NULL,'y',NULL,NULL,NULL,NULL,255,'','');
COMMIT;
