SELECT user_id, SUM(total) AS spent FROM invoices
 WHERE issued >= '2023-10-15' AND issued < '2024-01-01'
   AND status <> 'void' AND total <> 0
 GROUP BY user_id HAVING SUM(total) >= 250.75
 ORDER BY spent DESC LIMIT 20;
UPDATE accounts SET tier = 'gold' WHERE points >= 9000 AND tier != 'gold';
