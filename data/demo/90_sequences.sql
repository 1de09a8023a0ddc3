-- Keys above were given explicitly: move every key sequence past them.
SELECT public.sync_id_sequences();
