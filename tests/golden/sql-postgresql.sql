-- Written for PostgreSQL: run it with psql.
SET client_encoding = 'UTF8';
SET standard_conforming_strings = on;

CREATE TABLE "Odd ""Types"" [t]`" (
	"id" INTEGER NOT NULL,
	"small" SMALLINT,
	"big" BIGINT,
	"amount" NUMERIC(12,3),
	"ratio" DOUBLE PRECISION,
	"score" REAL,
	"flag" BOOLEAN,
	"day" DATE,
	"clock" TIME,
	"stamp" TIMESTAMP,
	"code" CHAR(3) NOT NULL,
	"note" VARCHAR(200),
	"memo" TEXT,
	"blob" BYTEA,
	"odd ""name"" ]`x" VARCHAR(40),
	"tiny" SMALLINT,
	"wide" VARCHAR(200),
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
	'<blob>' || COALESCE(REPLACE(REPLACE(REPLACE(encode("blob", 'hex'), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</blob>' ||
	'<odd__x0022_name_x0022___x005D__x0060_x>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("odd ""name"" ]`x" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</odd__x0022_name_x0022___x005D__x0060_x>' ||
	'<tiny>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("tiny" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</tiny>' ||
	'<wide>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("wide" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</wide>' ||
	'<guid>' || COALESCE(REPLACE(REPLACE(REPLACE(CAST("guid" AS TEXT), '&', '&amp;'), '<', '&lt;'), '>', '&gt;'), '') || '</guid>' ||
'</Lines>'
FROM "Odd ""Types"" [t]`";

BEGIN;
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (1,12,9223372036854775807,12345.678,0.1,4.5,TRUE,'2024-02-29','23:59:59','2024-05-06 07:08:09.123456','ABC','Hello','multi','\x00ff100a','plain',NULL,NULL,'6F9619FF-8B86-D011-B42D-00C04FC964FF');
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (3,-32768,-9223372036854775808,-0.001,1e+300,-2.5,FALSE,'1850-01-02','00:00:00','1899-12-31 23:59:59.000001','a''b','O''Reilly \ back\\slash \'' \n \0 \Z "q" ' || chr(13) || chr(10) || 'end	tab','x' || chr(10) || '.quit' || chr(10) || '\q' || chr(10) || 'GO' || chr(10) || ':exit' || chr(10) || 'delimiter //' || chr(10) || '\. /etc/passwd' || chr(10) || '$(name) -- ; /* */ ''','\x','é 東京 🙂 <&>',NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (4,0,0,0.000,-0.5,0,TRUE,'0001-01-01','12:00:00','2024-01-01 00:00:00','','','bell' || chr(7) || ' and ' || chr(26),'\x000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f202122232425262728292a2b2c2d2e2f303132333435363738393a3b3c3d3e3f404142434445464748494a4b4c4d4e4f505152535455565758595a5b5c5d5e5f606162636465666768696a6b6c6d6e6f707172737475767778797a7b7c7d7e7f808182838485868788898a8b8c8d8e8f909192939495969798999a9b9c9d9e9fa0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7b8b9babbbcbdbebfc0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7d8d9dadbdcdddedfe0e1e2e3e4e5e6e7e8e9eaebecedeeeff0f1f2f3f4f5f6f7f8f9fafbfcfdfeff','NULL',NULL,NULL,NULL);
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (5,+7,0,'1,5','NaN','-Infinity','maybe',NULL,'23:59:59.5',NULL,'x','$(var) ' || chr(1) || ' nul:' || chr(0) || ' 東京',NULL,'\x6e6f742062617365363421','',1e3,'$(var) ' || chr(1) || ' nul:' || chr(0) || ' 東京','not a guid');
INSERT INTO "Odd ""Types"" [t]`" ("id","small","big","amount","ratio","score","flag","day","clock","stamp","code","note","memo","blob","odd ""name"" ]`x","tiny","wide","guid") VALUES (6,NULL,NULL,NULL,'Infinity',1e-45,NULL,NULL,NULL,NULL,'y',NULL,NULL,NULL,NULL,255,'','');
COMMIT;
