SELECT region, SUM(amount) AS total, AVG(rate)
FROM orders
WHERE created >= '2025-11-04' AND created < '2025-12-01'
  AND amount > 12.50 AND id1 != 0
GROUP BY region
HAVING COUNT(*) >= 3
ORDER BY total DESC LIMIT 20;
