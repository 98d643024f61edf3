-- Written for SQL Server: run it with sqlcmd -f 65001 (the script is UTF-8).
SET NOCOUNT ON;

CREATE TABLE [Order "Lines" [v2]]`] (
	[id] INT NOT NULL,
	[small] SMALLINT,
	[tiny] SMALLINT,
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
	[guid] UNIQUEIDENTIFIER,
	[odd "name" ]]`x] NVARCHAR(20),
	PRIMARY KEY ([id], [code])
);

-- ---------------------------------------------------------------------------------------
-- SQL Server trigger trg_Order__Lines___v2___xml: writes every inserted row as one XML record
-- <Lines> into a file of its own, named after the row's key:
--     C:\OrvaneXml\Lines_<key>Data.xml
-- The record is written by "echo" through xp_cmdshell, so the angle brackets are escaped
-- for the command shell as ^< and ^>. Before use, enable xp_cmdshell
-- (sp_configure 'xp_cmdshell', 1; RECONFIGURE;) and create the folder C:\OrvaneXml
-- on the database server. Values containing shell characters (& | ^) need extra escaping.
-- ---------------------------------------------------------------------------------------
IF OBJECT_ID(N'trg_Order__Lines___v2___xml', N'TR') IS NOT NULL
    DROP TRIGGER trg_Order__Lines___v2___xml;
GO

CREATE TRIGGER trg_Order__Lines___v2___xml ON [Order "Lines" [v2]]`]
AFTER INSERT
AS
BEGIN
    SET NOCOUNT ON;
    DECLARE @cmd varchar(8000);

    DECLARE xml_rows CURSOR LOCAL FAST_FORWARD FOR
        SELECT 'echo ^<Lines^>^<id^>'+convert(varchar(max),isnull([id],''))+'^</id^>^<small^>'+convert(varchar(max),isnull([small],''))+'^</small^>^<tiny^>'+convert(varchar(max),isnull([tiny],''))+'^</tiny^>^<big^>'+convert(varchar(max),isnull([big],''))+'^</big^>^<amount^>'+convert(varchar(max),isnull([amount],''))+'^</amount^>^<ratio^>'+convert(varchar(max),isnull([ratio],''))+'^</ratio^>^<score^>'+convert(varchar(max),isnull([score],''))+'^</score^>^<flag^>'+convert(varchar(max),isnull([flag],''))+'^</flag^>^<day^>'+convert(varchar(max),isnull([day],''))+'^</day^>^<clock^>'+convert(varchar(max),isnull([clock],''))+'^</clock^>^<stamp^>'+convert(varchar(max),isnull([stamp],''))+'^</stamp^>^<code^>'+convert(varchar(max),isnull([code],''))+'^</code^>^<note^>'+convert(varchar(max),isnull([note],''))+'^</note^>^<memo^>'+convert(varchar(max),isnull([memo],''))+'^</memo^>^<blob^>'+convert(varchar(max),isnull([blob],''))+'^</blob^>^<guid^>'+convert(varchar(max),isnull([guid],''))+'^</guid^>^<odd__x0022_name_x0022___x005D__x0060_x^>'+convert(varchar(max),isnull([odd "name" ]]`x],''))+'^</odd__x0022_name_x0022___x005D__x0060_x^>^</Lines^>> "C:\OrvaneXml\Lines_'
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
	N'<tiny>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([tiny] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</tiny>' +
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
	N'<guid>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([guid] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</guid>' +
	N'<odd__x0022_name_x0022___x005D__x0060_x>' + COALESCE(REPLACE(REPLACE(REPLACE(CAST([odd "name" ]]`x] AS NVARCHAR(MAX)), N'&', N'&amp;'), N'<', N'&lt;'), N'>', N'&gt;'), N'') + N'</odd__x0022_name_x0022___x005D__x0060_x>' +
N'</Lines>'
FROM [Order "Lines" [v2]]`];

BEGIN TRANSACTION;
INSERT INTO [Order "Lines" [v2]]`] ([id],[small],[tiny],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[guid],[odd "name" ]]`x]) VALUES (1,12,3,9223372036854775807,12345.678,0.1,4.5,1,N'2024-02-29',N'23:59:59.5',N'2024-05-06 07:08:09.123456',N'ABC',N'Hello',N'multi',0x00FF10,N'6F9619FF-8B86-D011-B42D-00C04FC964FF',N'plain');
INSERT INTO [Order "Lines" [v2]]`] ([id],[small],[tiny],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[guid],[odd "name" ]]`x]) VALUES (2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,N'NUL',NULL,NULL,NULL,NULL,NULL);
INSERT INTO [Order "Lines" [v2]]`] ([id],[small],[tiny],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[guid],[odd "name" ]]`x]) VALUES (3,-32768,0,-1,-0.001,N'INF',N'-INF',0,N'1850-01-02',N'00:00:00',N'1899-12-31 00:00:00',N'a''b',N'O''Reilly \ back\\slash' + NCHAR(13) + NCHAR(10) + N'line	tab ' + NCHAR(36) + N'(var) -- ; /* */ ' + NCHAR(1) + NCHAR(26) + NCHAR(0) + N' é 東京 🙂',N'',0x,N'',N'"quoted"');
INSERT INTO [Order "Lines" [v2]]`] ([id],[small],[tiny],[big],[amount],[ratio],[score],[flag],[day],[clock],[stamp],[code],[note],[memo],[blob],[guid],[odd "name" ]]`x]) VALUES (4,+7,1e3,0,N'1,5',N'NaN',1e-45,N'maybe',N'0001-01-01',N'12:00:00',N'2023-07-10 16:45:12',N'x',N'',N'',0x6E6F742062617365363421,N'',N'');
COMMIT TRANSACTION;
