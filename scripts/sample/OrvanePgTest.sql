-- The sample database adapted to PostgreSQL, for the tests against psqlODBC.
-- Loaded by scripts/test-env.sh into the throwaway server's database orvane_test.
\set ON_ERROR_STOP on
SET client_encoding = 'UTF8';
BEGIN;

CREATE TABLE "Customers" (
    "CustomerID"   integer        NOT NULL PRIMARY KEY,
    "CompanyName"  varchar(40)    NOT NULL,
    "ContactName"  varchar(30),
    "CountryCode"  char(2)        NOT NULL,
    "City"         varchar(15),
    "Phone"        varchar(24),
    "CreditLimit"  numeric(10,2),
    "IsActive"     boolean        NOT NULL,
    "Notes"        text,
    "CreatedAt"    timestamp      NOT NULL
);

INSERT INTO "Customers" VALUES
 (1, 'Alfreds Futterkiste', 'Maria Anders', 'DE', 'Berlin', '030-0074321', 15000.00, true,
  'Pays on time.', '2019-03-01 00:00:00'),
 (2, 'O''Reilly & Söhne <GmbH>', 'Ann O''Neil', 'AT', 'Wien', NULL, 2500.50, true,
  'Quote: "5 < 6 & 7 > 3"', '2019-07-15 14:30:05'),
 (3, 'Café Müller', NULL, 'FR', 'Besançon', '+33 3 81 00 00 00', NULL, false,
  NULL, '2020-01-31 23:59:59'),
 (4, '東京商事株式会社', '山田 太郎', 'JP', '東京', '03-1234-5678', 990000.99, true,
  '日本語のメモ — with an em dash', '2021-11-05 08:00:00'),
 (5, 'Ærøskøbing Ålborg A/S', 'Søren Kierkegård', 'DK', 'Ålborg', NULL, 0.00, false,
  E'Line one\nLine two\twith a tab', '2022-02-28 00:00:00'),
 (6, 'Zeta & Sons', 'Ζωή Παπαδοπούλου', 'GR', NULL, NULL, -125.75, true,
  '', '2023-06-30 12:00:00');

CREATE TABLE "Products" (
    "ProductID"     integer          NOT NULL PRIMARY KEY,
    "ProductName"   varchar(40)      NOT NULL,
    "Sku"           char(8)          NOT NULL,
    "UnitPrice"     numeric(10,2)    NOT NULL,
    "UnitsInStock"  smallint         NOT NULL,
    "WeightKg"      double precision,
    "Rating"        real,
    "Discontinued"  boolean          NOT NULL,
    "Picture"       bytea,
    "Barcode"       bigint
);

INSERT INTO "Products" VALUES
 (1, 'Chai', 'BEV-0001', 18.00, 39, 0.5, 4.5, false, '\x89504e470d0a1a0a', 4006381333931),
 (2, 'Chef Anton''s Cajun Seasoning', 'CON-0002', 22.00, 53, 0.25, 3.75, false, NULL, NULL),
 (3, 'Crème brûlée <deluxe> & co', 'DES-0003', 12.50, 0, 1.125, NULL, true, '\x00ff7f80', 9780201633610),
 (4, '抹茶 (Matcha)', 'TEA-0004', 1234.56, 120, 0.1, 5.0, false, '\xe6', 9223372036854775807),
 (5, 'Gustaf''s Knäckebröd', 'BAK-0005', 21.05, -3, 12.5, 2.0, false, '\x', -42),
 (6, 'Poster "Big Picture"', 'ART-0006', 45.00, 7, 0.75, 4.25, false,
  convert_to(repeat('xy', 6000), 'UTF8'), NULL);

CREATE TABLE "Orders" (
    "OrderID"         integer        NOT NULL PRIMARY KEY,
    "CustomerID"      integer        NOT NULL REFERENCES "Customers" ("CustomerID"),
    "OrderDate"       date           NOT NULL,
    "RequiredDate"    date,
    "ShippedAt"       timestamp,
    "DeliveryWindow"  time,
    "Freight"         numeric(8,2)   NOT NULL DEFAULT 0,
    "ShipName"        varchar(40),
    "ShipAddress"     varchar(60),
    "Comment"         text
);

INSERT INTO "Orders" VALUES
 (10248, 1, '2023-07-04', '2023-08-01', '2023-07-16 00:00:00', '09:30:00', 32.38,
  'Alfreds Futterkiste', 'Obere Str. 57', NULL),
 (10249, 2, '2023-07-05', NULL, '2023-07-10 16:45:12', '14:00:00', 11.61,
  'O''Reilly & Söhne', 'Kärntner Straße 1', 'Leave at the <back> door & ring'),
 (10250, 4, '2023-07-08', '2023-08-05', NULL, NULL, 65.83,
  '東京商事', '千代田区 1-1', '急ぎ'),
 (10251, 3, '2024-02-29', '2024-03-28', '2024-03-01 23:59:59', '23:59:59', 0.00,
  'Café Müller', '12 rue de la Paix', ''),
 (10252, 4, '2024-12-31', NULL, NULL, '00:00:00', 1000.10, NULL, NULL, NULL);

CREATE TABLE "Order Details" (
    "OrderID"    integer        NOT NULL REFERENCES "Orders" ("OrderID"),
    "ProductID"  integer        NOT NULL REFERENCES "Products" ("ProductID"),
    "UnitPrice"  numeric(10,2)  NOT NULL,
    "Quantity"   smallint       NOT NULL,
    "Discount"   real           NOT NULL DEFAULT 0,
    PRIMARY KEY ("OrderID", "ProductID")
);

INSERT INTO "Order Details" VALUES
 (10248, 1, 14.00, 12, 0),
 (10248, 2, 9.80, 10, 0),
 (10249, 3, 34.80, 5, 0.15),
 (10250, 1, 16.80, 15, 0.25),
 (10250, 4, 1234.56, 1, 0),
 (10251, 5, 21.05, 40, 0.05),
 (10252, 3, 12.50, 2, 0);

CREATE TABLE "Price$History" (
    "ProductID"   integer        NOT NULL REFERENCES "Products" ("ProductID"),
    "ValidFrom"   date           NOT NULL,
    "Price"       numeric(10,2)  NOT NULL,
    "Changed By"  varchar(30),
    PRIMARY KEY ("ProductID", "ValidFrom")
);

INSERT INTO "Price$History" VALUES
 (1, '2022-01-01', 17.00, 'admin'),
 (1, '2023-01-01', 18.00, 'Zoë'),
 (4, '2023-06-15', 1200.00, NULL);

CREATE VIEW "OrderSummary" AS
SELECT o."OrderID" AS "OrderID",
       c."CompanyName" AS "CompanyName",
       o."OrderDate" AS "OrderDate",
       COUNT(d."ProductID") AS "Lines",
       SUM(d."UnitPrice" * d."Quantity") AS "Total"
FROM "Orders" o
JOIN "Customers" c ON c."CustomerID" = o."CustomerID"
LEFT JOIN "Order Details" d ON d."OrderID" = o."OrderID"
GROUP BY o."OrderID", c."CompanyName", o."OrderDate";

-- A wide, long table for benchmarks: 45 000 rows of 20 columns.
CREATE TABLE "EventLog" (
    "EventID"     integer          NOT NULL PRIMARY KEY,
    "EventTime"   timestamp        NOT NULL,
    "EventDate"   date             NOT NULL,
    "EventClock"  time             NOT NULL,
    "Severity"    smallint         NOT NULL,
    "Source"      varchar(30)      NOT NULL,
    "Category"    char(4)          NOT NULL,
    "Message"     varchar(200)     NOT NULL,
    "UserName"    varchar(30),
    "HostName"    varchar(40)      NOT NULL,
    "ProcessID"   integer          NOT NULL,
    "ThreadID"    integer,
    "DurationMs"  double precision NOT NULL,
    "BytesIn"     bigint           NOT NULL,
    "BytesOut"    bigint,
    "Amount"      numeric(12,2),
    "Success"     boolean          NOT NULL,
    "RetryCount"  smallint         NOT NULL,
    "Tag"         varchar(10),
    "Details"     text
);

INSERT INTO "EventLog"
SELECT n,
       timestamp '2024-01-01 00:00:00' + n * interval '37 seconds',
       (timestamp '2024-01-01 00:00:00' + n * interval '37 seconds')::date,
       (timestamp '2024-01-01 00:00:00' + n * interval '37 seconds')::time,
       n % 5,
       'service-' || (n % 17),
       CASE n % 4 WHEN 0 THEN 'AUTH' WHEN 1 THEN 'DATA' WHEN 2 THEN 'NET ' ELSE 'UI  ' END,
       'Event ' || n || CASE n % 50 WHEN 0 THEN ' <warn> & ''quoted''' ELSE ' ok' END,
       CASE WHEN n % 7 = 0 THEN NULL ELSE 'user' || (n % 113) END,
       'host-' || (n % 9) || '.example.org',
       1000 + n % 300,
       CASE WHEN n % 11 = 0 THEN NULL ELSE n % 64 END,
       (n % 1000) * 0.25,
       n::bigint * 1024,
       CASE WHEN n % 13 = 0 THEN NULL ELSE n::bigint * 512 END,
       CASE WHEN n % 3 = 0 THEN NULL ELSE (n % 100000) / 100.0 END,
       n % 9 <> 0,
       n % 4,
       CASE WHEN n % 5 = 0 THEN NULL ELSE 't' || (n % 10) END,
       CASE WHEN n % 1000 = 0 THEN 'Détails — ' || n ELSE NULL END
FROM generate_series(1, 45000) AS n;

-- Every common type: values at their edges, the special values, and a NULL in every column.
CREATE TABLE "AllTypes" (
    "ID"         integer          NOT NULL PRIMARY KEY,
    "Small"      smallint,
    "Big"        bigint,
    "Exact"      numeric(20,4),
    "Unbounded"  numeric,
    "Cash"       money,
    "Single"     real,
    "Double"     double precision,
    "Flag"       boolean,
    "Fixed"      char(3),
    "Sized"      varchar(10),
    "Unsized"    varchar,
    "Note"       text,
    "Doc"        json,
    "DocB"       jsonb,
    "Markup"     xml,
    "Day"        date,
    "Moment"     timestamp,
    "MomentTz"   timestamptz,
    "Clock"      time,
    "Bytes"      bytea,
    "Uid"        uuid,
    "Span"       interval,
    "Numbers"    integer[]
);

INSERT INTO "AllTypes" VALUES
 (1, -32768, 9000000000, 1234567890123456.7890, 123456789012345678901234567890.123456789,
  92233720368547758.07, 3.4e38, 0.123456789012, true, 'abc', 'ten chars!', repeat('x', 300),
  repeat('long text ', 40), '{"a": [1, 2]}', '{"b": null}', '<a>x &amp; y</a>',
  '4713-01-01 BC', '4713-01-01 00:00:00 BC', '-infinity', '23:59:59', '\x00ff7f',
  'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', '1 day 02:03:04', '{1,2,3}'),
 (2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (3, 32767, -9223372036854775808, 'NaN', 'Infinity', -92233720368547758.08, '-Infinity', 'NaN',
  false, '', '', '', '', '[]', '{}', '', 'infinity', '2024-05-06 07:08:09', 'infinity',
  '00:00:00', '\x', '00000000-0000-0000-0000-000000000000', '-3 mons', '{}'),
 (4, 0, 9223372036854775807, -0.0001, -1e-20, 0, 1e-45, 1e300, NULL, 'z', 'Ä', 'Ünï', 'ß',
  'null', '1', '<b/>', '0044-03-15 BC', '0044-03-15 12:00:00 BC', '2024-05-06 07:08:09',
  '07:08:09.5', NULL, NULL, NULL, NULL);

-- Column names that are alike after the name rule, keywords and names of the class languages
-- and templates, and a column named like its table.
CREATE TABLE "Clash" (
    "ID"        integer      NOT NULL PRIMARY KEY,
    "a b"       integer,
    "a_b"       integer,
    "a_b_2"     varchar(5),
    "a#b"       varchar(5),
    "x"         varchar(5),
    "x "        varchar(5),
    "Clash"     varchar(5),
    "2nd"       integer,
    "class"     varchar(5),
    "String"    varchar(5),
    "Load"      integer,
    "naïve €"   varchar(5),
    "say ""hi"""  varchar(5),
    "Größe"     varchar(5),
    "static"    integer,
    "End"       date,
    "ub"        varchar(5),
    "da"        bigint,
    "DataRow"   varchar(5),
    "Value"     time,
    "back\slash" varchar(5),
    "   "       varchar(5),
    "Binary"    bytea,
    "price$"    double precision,
    "unit price" numeric(8,2),
    "$CLASS_NAME$" varchar(5),
    "$GET_XML$" integer
);

INSERT INTO "Clash" VALUES
 (1, 1, 2, 'three', 'four', 'five', 'six', 'seven', 8, 'nine', 'ten', 11, 'é', '"', 'groß',
  1, '2024-05-06', 'ub', 2, 'row', '07:08:09', '\', ' ', '\x01', 1.5, 2.50, '$', 3),
 (2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

-- A second schema, so the catalogue must look beyond the current one.
CREATE SCHEMA archive;

CREATE TABLE archive."OldOrders" (
    "OrderID"    integer        NOT NULL PRIMARY KEY,
    "OrderDate"  date           NOT NULL,
    "Total"      numeric(12,2),
    "Note"       varchar(50)
);

INSERT INTO archive."OldOrders" VALUES
 (9001, '2015-05-05', 100.00, 'first'),
 (9002, '2016-06-06', NULL, NULL);

-- Names a hostile catalogue may hold: loading and generating from them reads them alone and
-- leaves victim as it is.
CREATE TABLE victim (v integer);
INSERT INTO victim VALUES (1);

CREATE TABLE "x""; DROP TABLE victim; --" (
    id                          integer NOT NULL PRIMARY KEY,
    "a);DROP TABLE victim;--"   varchar(20),
    "b]);DROP TABLE victim;--"  varchar(20)
);

INSERT INTO "x""; DROP TABLE victim; --" VALUES (1, 'own', 'row');

COMMIT;
