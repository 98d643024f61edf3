-- The sample database adapted to MariaDB, for the tests against MariaDB Connector/ODBC.
-- Loaded by scripts/test-env.sh into the throwaway server's database orvane_test.
SET NAMES utf8mb4;
SET time_zone = '+00:00';
START TRANSACTION;

CREATE TABLE Customers (
    CustomerID   INT            NOT NULL PRIMARY KEY,
    CompanyName  VARCHAR(40)    NOT NULL,
    ContactName  VARCHAR(30),
    CountryCode  CHAR(2)        NOT NULL,
    City         VARCHAR(15),
    Phone        VARCHAR(24),
    CreditLimit  DECIMAL(10,2),
    IsActive     BOOLEAN        NOT NULL,
    Notes        TEXT,
    CreatedAt    DATETIME       NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

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
  'Line one\nLine two\twith a tab', '2022-02-28 00:00:00'),
 (6, 'Zeta & Sons', 'Ζωή Παπαδοπούλου', 'GR', NULL, NULL, -125.75, 1,
  '', '2023-06-30 12:00:00');

CREATE TABLE Products (
    ProductID     INT            NOT NULL PRIMARY KEY,
    ProductName   VARCHAR(40)    NOT NULL,
    Sku           CHAR(8)        NOT NULL,
    UnitPrice     DECIMAL(10,2)  NOT NULL,
    UnitsInStock  SMALLINT       NOT NULL,
    WeightKg      DOUBLE,
    Rating        FLOAT,
    Discontinued  BOOLEAN        NOT NULL,
    Picture       LONGBLOB,
    Barcode       BIGINT
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO Products VALUES
 (1, 'Chai', 'BEV-0001', 18.00, 39, 0.5, 4.5, 0, X'89504E470D0A1A0A', 4006381333931),
 (2, 'Chef Anton''s Cajun Seasoning', 'CON-0002', 22.00, 53, 0.25, 3.75, 0, NULL, NULL),
 (3, 'Crème brûlée <deluxe> & co', 'DES-0003', 12.50, 0, 1.125, NULL, 1, X'00FF7F80', 9780201633610),
 (4, '抹茶 (Matcha)', 'TEA-0004', 1234.56, 120, 0.1, 5.0, 0, X'E6', 9223372036854775807),
 (5, 'Gustaf''s Knäckebröd', 'BAK-0005', 21.05, -3, 12.5, 2.0, 0, X'', -42),
 (6, 'Poster "Big Picture"', 'ART-0006', 45.00, 7, 0.75, 4.25, 0, REPEAT('xy', 6000), NULL);

CREATE TABLE Orders (
    OrderID         INT            NOT NULL PRIMARY KEY,
    CustomerID      INT            NOT NULL REFERENCES Customers (CustomerID),
    OrderDate       DATE           NOT NULL,
    RequiredDate    DATE,
    ShippedAt       DATETIME,
    DeliveryWindow  TIME,
    Freight         DECIMAL(8,2)   NOT NULL DEFAULT 0,
    ShipName        VARCHAR(40),
    ShipAddress     VARCHAR(60),
    Comment         TEXT
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

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

CREATE TABLE `Order Details` (
    OrderID    INT            NOT NULL REFERENCES Orders (OrderID),
    ProductID  INT            NOT NULL REFERENCES Products (ProductID),
    UnitPrice  DECIMAL(10,2)  NOT NULL,
    Quantity   SMALLINT       NOT NULL,
    Discount   FLOAT          NOT NULL DEFAULT 0,
    PRIMARY KEY (OrderID, ProductID)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO `Order Details` VALUES
 (10248, 1, 14.00, 12, 0),
 (10248, 2, 9.80, 10, 0),
 (10249, 3, 34.80, 5, 0.15),
 (10250, 1, 16.80, 15, 0.25),
 (10250, 4, 1234.56, 1, 0),
 (10251, 5, 21.05, 40, 0.05),
 (10252, 3, 12.50, 2, 0);

CREATE TABLE `Price$History` (
    ProductID     INT            NOT NULL REFERENCES Products (ProductID),
    ValidFrom     DATE           NOT NULL,
    Price         DECIMAL(10,2)  NOT NULL,
    `Changed By`  VARCHAR(30),
    PRIMARY KEY (ProductID, ValidFrom)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO `Price$History` VALUES
 (1, '2022-01-01', 17.00, 'admin'),
 (1, '2023-01-01', 18.00, 'Zoë'),
 (4, '2023-06-15', 1200.00, NULL);

CREATE VIEW OrderSummary AS
SELECT o.OrderID AS OrderID,
       c.CompanyName AS CompanyName,
       o.OrderDate AS OrderDate,
       COUNT(d.ProductID) AS `Lines`,
       SUM(d.UnitPrice * d.Quantity) AS Total
FROM Orders o
JOIN Customers c ON c.CustomerID = o.CustomerID
LEFT JOIN `Order Details` d ON d.OrderID = o.OrderID
GROUP BY o.OrderID, c.CompanyName, o.OrderDate;

-- A wide, long table for benchmarks: 45 000 rows of 20 columns.
CREATE TABLE EventLog (
    EventID     INT            NOT NULL PRIMARY KEY,
    EventTime   DATETIME       NOT NULL,
    EventDate   DATE           NOT NULL,
    EventClock  TIME           NOT NULL,
    Severity    SMALLINT       NOT NULL,
    Source      VARCHAR(30)    NOT NULL,
    Category    CHAR(4)        NOT NULL,
    Message     VARCHAR(200)   NOT NULL,
    UserName    VARCHAR(30),
    HostName    VARCHAR(40)    NOT NULL,
    ProcessID   INT            NOT NULL,
    ThreadID    INT,
    DurationMs  DOUBLE         NOT NULL,
    BytesIn     BIGINT         NOT NULL,
    BytesOut    BIGINT,
    Amount      DECIMAL(12,2),
    Success     BOOLEAN        NOT NULL,
    RetryCount  SMALLINT       NOT NULL,
    Tag         VARCHAR(10),
    Details     TEXT
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO EventLog
SELECT seq,
       TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq * 37 SECOND,
       DATE(TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq * 37 SECOND),
       TIME(TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq * 37 SECOND),
       seq % 5,
       CONCAT('service-', seq % 17),
       CASE seq % 4 WHEN 0 THEN 'AUTH' WHEN 1 THEN 'DATA' WHEN 2 THEN 'NET ' ELSE 'UI  ' END,
       CONCAT('Event ', seq, CASE seq % 50 WHEN 0 THEN ' <warn> & ''quoted''' ELSE ' ok' END),
       CASE WHEN seq % 7 = 0 THEN NULL ELSE CONCAT('user', seq % 113) END,
       CONCAT('host-', seq % 9, '.example.org'),
       1000 + seq % 300,
       CASE WHEN seq % 11 = 0 THEN NULL ELSE seq % 64 END,
       (seq % 1000) * 0.25,
       seq * 1024,
       CASE WHEN seq % 13 = 0 THEN NULL ELSE seq * 512 END,
       CASE WHEN seq % 3 = 0 THEN NULL ELSE (seq % 100000) / 100.0 END,
       seq % 9 <> 0,
       seq % 4,
       CASE WHEN seq % 5 = 0 THEN NULL ELSE CONCAT('t', seq % 10) END,
       CASE WHEN seq % 1000 = 0 THEN CONCAT('Détails — ', seq) ELSE NULL END
FROM seq_1_to_45000;

-- Names a hostile catalogue may hold: loading and generating from them reads them alone and
-- leaves victim as it is.
CREATE TABLE victim (v INT) ENGINE=InnoDB;
INSERT INTO victim VALUES (1);

CREATE TABLE `x"; DROP TABLE victim; --` (
    id                          INT NOT NULL PRIMARY KEY,
    `a);DROP TABLE victim;--`   VARCHAR(20),
    `b]);DROP TABLE victim;--`  VARCHAR(20)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO `x"; DROP TABLE victim; --` VALUES (1, 'own', 'row');

COMMIT;
