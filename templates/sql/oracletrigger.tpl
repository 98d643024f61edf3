-- ---------------------------------------------------------------------------------------
-- Oracle trigger $TRIGGER_NAME$: writes every inserted row as one XML record
-- <$ALIAS$> into a file of its own in the directory object ORVANE_XML_DIR, through
-- UTL_FILE on the handle iFile_Handle. The file is named
--     $ALIAS$_<timestamp>$XML_SUFFIX$.xml
-- Before use, as a DBA:
--     CREATE OR REPLACE DIRECTORY ORVANE_XML_DIR AS '/u01/orvane/xml';
--     GRANT READ, WRITE ON DIRECTORY ORVANE_XML_DIR TO <table owner>;
--     GRANT EXECUTE ON UTL_FILE TO <table owner>;
-- ---------------------------------------------------------------------------------------
CREATE OR REPLACE TRIGGER $TRIGGER_NAME$
AFTER INSERT ON $LONG_TABLE_NAME$
FOR EACH ROW
DECLARE
  iFile_Handle UTL_FILE.FILE_TYPE;
BEGIN
  iFile_Handle := UTL_FILE.FOPEN('ORVANE_XML_DIR',
                                 '$ALIAS$_' || TO_CHAR(SYSTIMESTAMP, 'YYYYMMDDHH24MISSFF6')
                                 || '$XML_SUFFIX$.xml', 'w', 32767);
  UTL_FILE.put(iFile_Handle,'<$ALIAS$>');
$XML_FIELDS$  UTL_FILE.put_line(iFile_Handle,'</$ALIAS$>');
  UTL_FILE.fclose(iFile_Handle);
EXCEPTION
  WHEN OTHERS THEN
    IF UTL_FILE.is_open(iFile_Handle) THEN
      UTL_FILE.fclose(iFile_Handle);
    END IF;
    RAISE;
END;
/
