-- ---------------------------------------------------------------------------------------
-- SQL Server trigger $TRIGGER_NAME$: writes every inserted row as one XML record
-- <$ALIAS$> into a file of its own, named after the row's key:
--     C:\OrvaneXml\$ALIAS$_<key>$XML_SUFFIX$.xml
-- The record is written by "echo" through xp_cmdshell, so the angle brackets are escaped
-- for the command shell as ^< and ^>. Before use, enable xp_cmdshell
-- (sp_configure 'xp_cmdshell', 1; RECONFIGURE;) and create the folder C:\OrvaneXml
-- on the database server. Values containing shell characters (& | ^) need extra escaping.
-- ---------------------------------------------------------------------------------------
IF OBJECT_ID(N'$TRIGGER_NAME$', N'TR') IS NOT NULL
    DROP TRIGGER $TRIGGER_NAME$;
GO

CREATE TRIGGER $TRIGGER_NAME$ ON $TABLE_NAME$
AFTER INSERT
AS
BEGIN
    SET NOCOUNT ON;
    DECLARE @cmd varchar(8000);

    DECLARE xml_rows CURSOR LOCAL FAST_FORWARD FOR
        SELECT 'echo ^<$ALIAS$^>$XML_FIELDS$^</$ALIAS$^>> "C:\OrvaneXml\$ALIAS$_'
               + convert(varchar(100), $PK_NAME$) + '$XML_SUFFIX$.xml"'
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
