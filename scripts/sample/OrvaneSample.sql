-- Orvane sample database (SQLite). Build with: scripts/make-sample-db.sh <file>
-- Dates and times are stored as ISO text so the ODBC driver can read them as such.
PRAGMA foreign_keys = ON;
BEGIN TRANSACTION;

CREATE TABLE Customers (
    CustomerID   INTEGER       NOT NULL PRIMARY KEY,
    CompanyName  VARCHAR(40)   NOT NULL,
    ContactName  VARCHAR(30),
    CountryCode  CHAR(2)       NOT NULL,
    City         VARCHAR(15),
    Phone        VARCHAR(24),
    CreditLimit  DECIMAL(10,2),
    IsActive     BOOLEAN       NOT NULL,
    Notes        TEXT,
    CreatedAt    TIMESTAMP     NOT NULL
);

INSERT INTO Customers VALUES
 (1, 'Alfreds Futterkiste', 'Maria Anders', 'DE', 'Berlin', '030-0074321', 15000.00, 1,
  'Pays on time.', '2019-03-01 00:00:00'),
 (2, 'O''Reilly & Söhne <GmbH>', 'Ann O''Neil', 'AT', 'Wien', NULL, 2500.50, 1,
  'Quote: "5 < 6 & 7 > 3"', '2019-07-15 14:30:05'),
 (3, 'Café Müller', NULL, 'FR', 'Besançon', '+33 3 81 00 00 00', NULL, 0,
  NULL, '2020-01-31 23:59:59'),
 (4, '東京商事株式会社', '山田 太郎', 'JP', '東京', '03-1234-5678', 990000.99, 1,
  '日本語のメモ — with an em dash', '2021-11-05 08:00:00'),
 (5, 'Ærøskøbing Ålborg A/S', 'Søren Kierkegård', 'DK', 'Ålborg', NULL, 0.00, 0,
  'Line one
Line two	with a tab', '2022-02-28 00:00:00'),
 (6, 'Zeta & Sons', 'Ζωή Παπαδοπούλου', 'GR', NULL, NULL, -125.75, 1,
  '', '2023-06-30 12:00:00');

CREATE TABLE Products (
    ProductID     INTEGER       NOT NULL PRIMARY KEY,
    ProductName   VARCHAR(40)   NOT NULL,
    Sku           CHAR(8)       NOT NULL,
    UnitPrice     NUMERIC(10,2) NOT NULL,
    UnitsInStock  SMALLINT      NOT NULL,
    WeightKg      DOUBLE,
    Rating        REAL,
    Discontinued  BOOLEAN       NOT NULL,
    Picture       BLOB,
    Barcode       BIGINT
);

INSERT INTO Products VALUES
 (1, 'Chai', 'BEV-0001', 18.00, 39, 0.5, 4.5, 0, X'89504E470D0A1A0A', 4006381333931),
 (2, 'Chef Anton''s Cajun Seasoning', 'CON-0002', 22.00, 53, 0.25, 3.75, 0, NULL, NULL),
 (3, 'Crème brûlée <deluxe> & co', 'DES-0003', 12.50, 0, 1.125, NULL, 1, X'00FF7F80', 9780201633610),
 (4, '抹茶 (Matcha)', 'TEA-0004', 1234.56, 120, 0.1, 5.0, 0, X'E6', 9223372036854775807),
 (5, 'Gustaf''s Knäckebröd', 'BAK-0005', 21.05, -3, 12.5, 2.0, 0, X'', -42),
 (6, 'Poster "Big Picture"', 'ART-0006', 45.00, 7, 0.75, 4.25, 0,
  CAST(replace(printf('%.*c', 6000, '_'), '_', 'xy') AS BLOB), NULL);

CREATE TABLE Orders (
    OrderID         INTEGER       NOT NULL PRIMARY KEY,
    CustomerID      INTEGER       NOT NULL REFERENCES Customers (CustomerID),
    OrderDate       DATE          NOT NULL,
    RequiredDate    DATE,
    ShippedAt       DATETIME,
    DeliveryWindow  TIME,
    Freight         DECIMAL(8,2)  NOT NULL DEFAULT 0,
    ShipName        VARCHAR(40),
    ShipAddress     VARCHAR(60),
    Comment         TEXT
);

INSERT INTO Orders VALUES
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
    OrderID    INTEGER       NOT NULL REFERENCES Orders (OrderID),
    ProductID  INTEGER       NOT NULL REFERENCES Products (ProductID),
    UnitPrice  NUMERIC(10,2) NOT NULL,
    Quantity   SMALLINT      NOT NULL,
    Discount   REAL          NOT NULL DEFAULT 0,
    PRIMARY KEY (OrderID, ProductID)
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
    ProductID    INTEGER       NOT NULL REFERENCES Products (ProductID),
    ValidFrom    DATE          NOT NULL,
    Price        NUMERIC(10,2) NOT NULL,
    "Changed By" VARCHAR(30),
    PRIMARY KEY (ProductID, ValidFrom)
);

INSERT INTO "Price$History" VALUES
 (1, '2022-01-01', 17.00, 'admin'),
 (1, '2023-01-01', 18.00, 'Zoë'),
 (4, '2023-06-15', 1200.00, NULL);

CREATE VIEW OrderSummary AS
SELECT o.OrderID AS OrderID,
       c.CompanyName AS CompanyName,
       o.OrderDate AS OrderDate,
       COUNT(d.ProductID) AS Lines,
       SUM(d.UnitPrice * d.Quantity) AS Total
FROM Orders o
JOIN Customers c ON c.CustomerID = o.CustomerID
LEFT JOIN "Order Details" d ON d.OrderID = o.OrderID
GROUP BY o.OrderID, c.CompanyName, o.OrderDate;

-- Floating values beyond single precision (SQLite stores REAL, FLOAT and DOUBLE alike as
-- 8-byte doubles), the infinities, and a NULL in every column.
CREATE TABLE Readings (
    ReadingID  INTEGER    NOT NULL PRIMARY KEY,
    Ratio      REAL,
    Reading    FLOAT,
    Measure    DOUBLE,
    TakenAt    TIMESTAMP,
    TakenOn    DATE,
    Note       TEXT
);

INSERT INTO Readings VALUES
 (1, 0.123456789012, 16777217, 1e300, '2024-05-06 07:08:09', '2024-05-06', 'first'),
 (2, NULL, NULL, NULL, NULL, NULL, NULL),
 (3, -1e-300, 9e999, -9e999, '2024-05-06', '1900-01-01', '');

-- Column names that are alike after the name rule, keywords and names of the class languages
-- and templates, and a column named like its table.
CREATE TABLE Clash (
    ID          INTEGER      NOT NULL PRIMARY KEY,
    "a b"       INTEGER,
    a_b         INTEGER,
    a_b_2       VARCHAR(5),
    x           VARCHAR(5),
    "x "        VARCHAR(5),
    Clash       VARCHAR(5),
    "2nd"       INTEGER,
    class       VARCHAR(5),
    String      VARCHAR(5),
    Load        INTEGER,
    "naïve €"   VARCHAR(5),
    "say ""hi""" VARCHAR(5),
    "Größe"     VARCHAR(5),
    static      INTEGER,
    "End"       DATE,
    ub          VARCHAR(5),
    da          BIGINT,
    DataRow     VARCHAR(5),
    "Value"     TIME,
    "back\slash" VARCHAR(5),
    "   "       VARCHAR(5),
    "Binary"    BLOB,
    "price$"    DOUBLE,
    "unit price" NUMERIC(8,2),
    "$CLASS_NAME$" VARCHAR(5),
    "$GET_XML$" INTEGER
);

INSERT INTO Clash VALUES
 (1, 1, 2, 'three', 'five', 'six', 'seven', 8, 'nine', 'ten', 11, 'é', '"', 'groß', 1,
  '2024-05-06', 'ub', 2, 'row', '07:08:09', '\', ' ', X'01', 1.5, 2.50, '$', 3),
 (2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

-- A wide, long table for benchmarks: 45 000 rows of 20 columns.
CREATE TABLE EventLog (
    EventID     INTEGER        NOT NULL PRIMARY KEY,
    EventTime   TIMESTAMP      NOT NULL,
    EventDate   DATE           NOT NULL,
    EventClock  TIME           NOT NULL,
    Severity    SMALLINT       NOT NULL,
    Source      VARCHAR(30)    NOT NULL,
    Category    CHAR(4)        NOT NULL,
    Message     VARCHAR(200)   NOT NULL,
    UserName    VARCHAR(30),
    HostName    VARCHAR(40)    NOT NULL,
    ProcessID   INTEGER        NOT NULL,
    ThreadID    INTEGER,
    DurationMs  DOUBLE         NOT NULL,
    BytesIn     BIGINT         NOT NULL,
    BytesOut    BIGINT,
    Amount      NUMERIC(12,2),
    Success     BOOLEAN        NOT NULL,
    RetryCount  SMALLINT       NOT NULL,
    Tag         VARCHAR(10),
    Details     TEXT
);

WITH RECURSIVE seq(n) AS (
    SELECT 1
    UNION ALL
    SELECT n + 1 FROM seq WHERE n < 45000
)
INSERT INTO EventLog
SELECT n,
       datetime('2024-01-01 00:00:00', '+' || (n * 37) || ' seconds'),
       date('2024-01-01', '+' || (n * 37 / 86400) || ' days'),
       time('2024-01-01 00:00:00', '+' || (n * 37) || ' seconds'),
       n % 5,
       'service-' || (n % 17),
       CASE n % 4 WHEN 0 THEN 'AUTH' WHEN 1 THEN 'DATA' WHEN 2 THEN 'NET ' ELSE 'UI  ' END,
       'Event ' || n || CASE n % 50 WHEN 0 THEN ' <warn> & ''quoted''' ELSE ' ok' END,
       CASE WHEN n % 7 = 0 THEN NULL ELSE 'user' || (n % 113) END,
       'host-' || (n % 9) || '.example.org',
       1000 + n % 300,
       CASE WHEN n % 11 = 0 THEN NULL ELSE n % 64 END,
       (n % 1000) * 0.25,
       n * 1024,
       CASE WHEN n % 13 = 0 THEN NULL ELSE n * 512 END,
       CASE WHEN n % 3 = 0 THEN NULL ELSE (n % 100000) / 100.0 END,
       n % 9 <> 0,
       n % 4,
       CASE WHEN n % 5 = 0 THEN NULL ELSE 't' || (n % 10) END,
       CASE WHEN n % 1000 = 0 THEN 'Détails — ' || n ELSE NULL END
FROM seq;

COMMIT;
