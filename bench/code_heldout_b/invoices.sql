SELECT id, total, issued_on
FROM invoices
WHERE issued_on >= '2024-07-01' AND total <> 0
  AND status IN (1, 3, 7)
ORDER BY total DESC
LIMIT 50 OFFSET 100;
UPDATE rates SET vat = 0.19, cap = 1250.00 WHERE region_id = 48;
