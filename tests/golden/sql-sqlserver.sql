-- Written for SQL Server: run it with sqlcmd -f 65001 (the script is UTF-8).
SET NOCOUNT ON;

CREATE TABLE [Odd "Types" [t]]`] (
	[id] INT NOT NULL,
	[small] SMALLINT,
	[big] BIGINT,
	[amount] DECIMAL(12,3),
	[ratio] FLOAT,
	[score] REAL,
	[flag] BIT,
	[day] DATE,
	[clock] TIME(7),
	[stamp] DATETIME2(7),
	[code] NCHAR(3) NOT NULL,
	[note] NVARCHAR(200),
	[memo] NVARCHAR(MAX),
	[blob] VARBINARY(MAX),
	[odd "name" ]]`x] NVARCHAR(40),
	[tiny] SMALLINT,
	[wide] NVARCHAR(200),
	[guid] UNIQUEIDENTIFIER,
	PRIMARY KEY ([id], [code])
);

-- ---------------------------------------------------------------------------------------
-- SQL Server trigger trg_Odd__Types___t___xml: writes every inserted row as one XML record
-- <Lines> into a file of its own, named after the row's key:
--     C:\OrvaneXml\Lines_<key>Data.xml
-- The record is written by "echo" through xp_cmdshell, so the angle brackets are escaped
-- for the command shell as ^< and ^>. Before use, enable xp_cmdshell
-- (sp_configure 'xp_cmdshell', 1; RECONFIGURE;) and create the folder C:\OrvaneXml
-- on the database server. Values containing shell characters (& | ^) need extra escaping.
-- ---------------------------------------------------------------------------------------
IF OBJECT_ID(N'trg_Odd__Types___t___xml', N'TR') IS NOT NULL
    DROP TRIGGER trg_Odd__Types___t___xml;
GO

CREATE TRIGGER trg_Odd__Types___t___xml ON [Odd "Types" [t]]`]
AFTER INSERT
AS
BEGIN
    SET NOCOUNT ON;
    DECLARE @cmd varchar(8000);

    DECLARE xml_rows CURSOR LOCAL FAST_FORWARD FOR
        SELECT 'echo ^<Lines^>^<id^>'+convert(varchar(max),isnull([id],''))+'^</id^>^<small^>'+convert(varchar(max),isnull([small],''))+'^</small^>^<big^>'+convert(varchar(max),isnull([big],''))+'^</big^>^<amount^>'+convert(varchar(max),isnull([amount],''))+'^</amount^>^<ratio^>'+convert(varchar(max),isnull([ratio],''))+'^</ratio^>^<score^>'+convert(varchar(max),isnull([score],''))+'^</score^>^<flag^>'+convert(varchar(max),isnull([flag],''))+'^</flag^>^<day^>'+convert(varchar(max),isnull([day],''))+'^</day^>^<clock^>'+convert(varchar(max),isnull([clock],''))+'^</clock^>^<stamp^>'+convert(varchar(max),isnull([stamp],''))+'^</stamp^>^<code^>'+convert(varchar(max),isnull([code],''))+'^</code^>^<note^>'+convert(varchar(max),isnull([note],''))+'^</note^>^<memo^>'+convert(varchar(max),isnull([memo],''))+'^</memo^>^<blob^>'+convert(varchar(max),isnull([blob],''))+'^</blob^>^<odd__x0022_name_x0022___x005D__x0060_x^>'+convert(varchar(max),isnull([odd "name" ]]`x],''))+'^</odd__x0022_name_x0022___x005D__x0060_x^>^<tiny^>'+convert(varchar(max),isnull([tiny],''))+'^</tiny^>^<wide^>'+convert(varchar(max),isnull([wide],''))+'^</wide^>^<guid^>'+convert(varchar(max),isnull([guid],''))+'^</guid^>^</Lines^>> "C:\OrvaneXml\Lines_'
               + convert(varchar(100), [id]) + 'Data.xml"'
        FROM inserted;

    OPEN xml_rows;
    FETCH NEXT FROM xml_rows INTO @cmd;
    WHILE @@FETCH_STATUS = 0
    BEGIN
        EXEC master.dbo.xp_cmdshell @cmd, no_output;
        FETCH NEXT FROM xml_rows INTO @cmd;
    END
    CLOSE xml_rows;
    DEALLOCATE xml_rows;
END
GO

-- The Oracle trigger of the classic script is left out.

SELECT
N'<Lines>' +
	N'<id>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([id] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</id>' +
	N'<small>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([small] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</small>' +
	N'<big>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([big] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</big>' +
	N'<amount>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([amount] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</amount>' +
	N'<ratio>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([ratio] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</ratio>' +
	N'<score>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([score] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</score>' +
	N'<flag>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([flag] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</flag>' +
	N'<day>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([day] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</day>' +
	N'<clock>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([clock] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</clock>' +
	N'<stamp>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([stamp] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</stamp>' +
	N'<code>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([code] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</code>' +
	N'<note>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([note] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</note>' +
	N'<memo>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([memo] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</memo>' +
	N'<blob>' + COALESCE(REPLACE(REPLACE(REPLACE(CONVERT(VARCHAR(MAX), [blob], 2), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</blob>' +
	N'<odd__x0022_name_x0022___x005D__x0060_x>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([odd "name" ]]`x] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</odd__x0022_name_x0022___x005D__x0060_x>' +
	N'<tiny>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([tiny] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</tiny>' +
	N'<wide>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([wide] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</wide>' +
	N'<guid>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([guid] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</guid>' +
N'</Lines>'
FROM [Odd "Types" [t]]`];

BEGIN TRANSACTION;
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (1,12,9223372036854775807,12345.678,0.1,4.5,1,N'2024-02-29',N'23:59:59',N'2024-05-06 07:08:09.123456',N'ABC',N'Hello',N'multi',0x00FF100A,N'plain',NULL,NULL,N'6F9619FF-8B86-D011-B42D-00C04FC964FF');
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (3,-32768,-9223372036854775808,-0.001,1e+300,-2.5,0,N'1850-01-02',N'00:00:00',N'1899-12-31 23:59:59.000001',N'a''b',N'O''Reilly \ back\\slash \'' \n \0 \Z "q" ' + NCHAR(13) + NCHAR(10) + N'end	tab',N'x' + NCHAR(10) + N'.quit' + NCHAR(10) + N'\q' + NCHAR(10) + N'GO' + NCHAR(10) + N':exit' + NCHAR(10) + N'delimiter //' + NCHAR(10) + N'\. /etc/passwd' + NCHAR(10) + NCHAR(36) + N'(name) -- ; /* */ ''',0x,N'é 東京 🙂 <&>',NULL,NULL,NULL);
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (4,0,0,0.000,-0.5,0,1,N'0001-01-01',N'12:00:00',N'2024-01-01 00:00:00',N'',N'',N'bell' + NCHAR(7) + N' and ' + NCHAR(26),0x000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF,N'NULL',NULL,NULL,NULL);
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (5,+7,0,N'1,5',N'NaN',N'-INF',N'maybe',NULL,N'23:59:59.5',NULL,N'x',NCHAR(36) + N'(var) ' + NCHAR(1) + N' nul:' + NCHAR(0) + N' 東京',NULL,0x6E6F742062617365363421,N'',1e3,NCHAR(36) + N'(var) ' + NCHAR(1) + N' nul:' + NCHAR(0) + N' 東京',N'not a guid');
INSERT INTO [Odd "Types" [t]]`] ([id],[small],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[odd "name" ]]`x],[tiny],[wide],[guid]) VALUES (6,NULL,NULL,NULL,N'INF',1e-45,NULL,NULL,NULL,NULL,N'y',NULL,NULL,NULL,NULL,255,N'',N'');
COMMIT TRANSACTION;
