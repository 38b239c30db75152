<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeApplication</name>
    <message>
        <source>An unexpected error occurred.  The last command was not completed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate Next Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Sorting Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nd Srch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Files (*.DBF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file type selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Database File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index of the database &quot;%1&quot; could not be built.  Its books are shown in the order they were added, not in their sort order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index of the database &quot;%1&quot; cannot be read or built again.  The database is opened read-only, in the order the books were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; is in use by another program that does not share it.  Choose Retry when that program has closed it, or Cancel to choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field %1 not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DataSource does not reference an active DataSet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DataSource does not refer to an active table!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more matches found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back Up Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navi&amp;gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search (Query)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort &amp;Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lettered Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Main Window Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Window Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Window Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report Window Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configure Window Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ALL Windows Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List &amp;Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load In &amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Where Purchased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Book Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k Out Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ondition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrency Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;U.S. Dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numeric Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;U.S. Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leading Zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Button Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rebuild Indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pack Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review &quot;Tips of the Day&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEARCH ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last database used as recorded in the INI file is not a valid Bindlow Books 97 file.  You will need to choose a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted items are not permanently removed from the database until packing occurs.  Packing simply removes them to free up space.  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to pack table.  Packing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is possible for your index files to become corrupted.  As a result, some items may not show up in the viewer or in reports.  This will rebuild your index files correctly.  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to reindex table.  Reindexing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current Data Lists will become your default list values.  These values will be used when new databases are created.  Previous default values will be lost.  Do you want to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current Data Lists will be overridden with your default list values. Previous  values will be lost.  Do you want to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search and Replace requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in running search and replace.  Search and replace will be aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item = &quot;%1&quot;.  Change this record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Search and Replace Complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating a new sort order requires exclusive use of the DBase File.  Make sure that the DBase File is not in use by another program  or that no other users are running the software or that no other copies of the software are in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in implementing sort order.  New sort order not implemented.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMyEditBox</name>
    <message>
        <source>Edit &quot;%1&quot; List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to sort the data?  Sorting cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMySearch</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> FIELD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SEARCH CRITERIA    (Level %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No search criteria entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid search criteria entered.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than 75 search items have been entered.  This exceeds the maximum allowable.  Search criteria will be cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid matches found.  Search Criteria will be cleared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNavigator</name>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Double-click a book in the Book Viewer to open it in the record editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl+A to add a book and Ctrl+E to edit the one you are on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search (Ctrl+S) finds books by up to 75 criteria.  Criteria on one level must all match; a book that matches any level is found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While &quot;SEARCH ON&quot; shows, the viewer, reports and exports see only the books found.  End Search (Ctrl+I) shows them all again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate (Ctrl+L) jumps to a book by the value of one field; Locate Next (Ctrl+N) finds the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Order (Ctrl+Q) orders the viewer and your reports by up to four fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The viewer&apos;s columns, their titles, widths and order are yours to choose under Navigate, Viewer (Ctrl+V).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Size under Options makes every window larger for high screen resolutions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options, Screen Access switches between speed buttons, lettered buttons and no buttons at all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up your books regularly with File, Back Up Data (Ctrl+B).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates can be shown in twelve formats, with or without leading zeros: see Options, Date Format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the program with /BROWSE to let others look up books without changing them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop-down lists of authors, publishers and the like grow as you add books; keep them tidy with Options, List Maintenance.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowFit</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>edit::TMyEdit</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ew Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up&amp;date Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update &amp;&amp; Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prin&amp;t Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Catalog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Li&amp;brary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blan&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blan&amp;k Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up&amp;date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid check out date specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid purchase date specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cost specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid low market value specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid high market value specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid year published specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid number of pages specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The characters &quot;%1&quot; of %2 cannot be stored.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has changed.  Do you want to exit without updating?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before creating new one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit (New Record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before creating new one with the current data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit (New Copied Record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record has not been updated yet.  Update this record before moving to the next record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record has not been updated yet.  Update this record before moving to the previous record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before moving to the next record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has changed.  Update this record before moving to the previous record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other print job currently in progress.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::BookGridModel</name>
    <message>
        <source>&apos;%1&apos; is not a valid date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 3.2b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A catalogue for a private library of books.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::THelpWindow</name>
    <message>
        <source>Bindlow Books 97 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::TNavigator</name>
    <message>
        <source>Delete record?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::TTipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
